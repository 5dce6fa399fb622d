#pragma once
// A host for a window under test that needs neither a terminal read nor the main window: the
// preferences of the test's folder, message boxes as the main window shows them (so that
// BoxAnswerer answers them), a counted modal guard, and a plain widget as the host window. Its
// terminal reports nothing; a test that exchanges with a terminal uses the main window.

#include <QWidget>

#include "app/IWindowHost.h"
#include "protocol/Reporter.h"

namespace morvik::test {

class TestWindowHost : public IWindowHost {
  public:
    TestWindowHost();

    CTerminal& Terminal() override { return terminal_; }
    Preferences& Prefs() override { return prefs_; }
    void ErrorBox(const QString& text, QWidget* owner = nullptr, bool guard = true) override;
    QMessageBox::StandardButton MessageBox(QWidget* owner, const QString& caption,
                                           const QString& text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons,
                                           bool guard) override;
    void ModalGuard(bool on) override;
    bool Guarded() const override { return guardDepth_ > 0; }
    // The host keeps no list of windows and no information panel.
    void UnregisterSettingsWindow(QWidget*) override {}
    void ShowDeviceInfo(const DeviceInfo&) override {}
    QWidget& HostWindow() override { return window_; }

  private:
    CSilentReporter reporter_;
    CTerminal terminal_{reporter_};
    Preferences prefs_;
    QWidget window_;
    int guardDepth_ = 0;
};

}  // namespace morvik::test
