// The main window's commands that need no window of their own: the information panel, the
// clipboard, the terminal clock, the detection log's erasure, options and About. The exchanges
// are short and run on the user-interface thread, as they always have; the wait cursor shows
// while they do.

#include <QApplication>
#include <QClipboard>

#include "app/CAboutDlg.h"
#include "app/CMVKAppDlg.h"
#include "app/COptionDlg.h"

namespace morvik {

namespace {

class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

void CMVKAppDlg::OnReadDeviceInfo() {
    WaitCursor wait;
    // The panel takes whatever the opened session gave, all empty when the identification
    // failed; without a session it keeps the last terminal's texts.
    DeviceInfo info = PanelInfo();
    terminal_.ReadDeviceInformation(info);
    ShowDeviceInfo(info);
}

void CMVKAppDlg::OnCopyDeviceInfo() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(PanelClipboardText());
    }
}

void CMVKAppDlg::OnSetClock() {
    WaitCursor wait;
    terminal_.SetTerminalClockFromPc();
}

void CMVKAppDlg::OnEraseDetectionLog() {
    WaitCursor wait;
    terminal_.EraseDetectionLog(true);
}

void CMVKAppDlg::OnOptions() {
    COptionDlg dialog(*this, terminal_.PortNumber(), prefs_.CloseAfterWrite());
    ModalGuard(true);
    const int result = dialog.exec();
    ModalGuard(false);
    if (result == QDialog::Accepted) {
        SetPortNumber(dialog.Port());
        prefs_.SetCloseAfterWrite(dialog.CloseAfterWrite());
        SavePreferences();
    }
    PropagateCloseAfterWrite();
}

void CMVKAppDlg::OnAbout() {
    CAboutDlg dialog(this);
    ModalGuard(true);
    dialog.exec();
    ModalGuard(false);
}

}  // namespace morvik
