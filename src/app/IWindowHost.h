#pragma once
// What a settings window, a sub-dialog or a progress dialog needs of the window that hosts it:
// the terminal to open, the preferences, message boxes, the modal guard, a way to leave the
// host's list of open windows, and the host window itself (the owner of boxes while a window is
// still hidden, and the window brought forward when a settings window closes). The main window
// implements it; a window test can host a window without the whole program
// (tests/support/qt/TestWindowHost.h).

#include <QMessageBox>
#include <QString>

#include "files/Preferences.h"
#include "protocol/DeviceInfo.h"
#include "protocol/Terminal.h"

class QWidget;

namespace morvik {

class IWindowHost {
  public:
    virtual ~IWindowHost() = default;

    virtual CTerminal& Terminal() = 0;
    virtual Preferences& Prefs() = 0;

    // The error box: caption "エラー", warning icon, owned by owner (the host window when null).
    // guard: the box runs inside the modal guard.
    virtual void ErrorBox(const QString& text, QWidget* owner = nullptr, bool guard = true) = 0;
    virtual QMessageBox::StandardButton MessageBox(QWidget* owner, const QString& caption,
                                                   const QString& text, QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons,
                                                   bool guard) = 0;
    // Disables (on) or enables again (off) every settings window and the host's commands, so
    // that nothing starts a second exchange while one runs. Calls nest.
    virtual void ModalGuard(bool on) = 0;
    virtual bool Guarded() const = 0;

    // A settings window that closes leaves the host's lists and slots.
    virtual void UnregisterSettingsWindow(QWidget* window) = 0;
    // The identification a dialog read from the terminal (the firmware update's new version),
    // into the host's information panel.
    virtual void ShowDeviceInfo(const DeviceInfo& info) = 0;

    virtual QWidget& HostWindow() = 0;
};

}  // namespace morvik
