// The main window's commands that need no window of their own: the information panel, the
// clipboard, the terminal clock, the detection log's erasure, options and About. The exchanges
// run on a worker with the progress window (MainTerminalTask.cpp).

#include <QApplication>
#include <QClipboard>

#include "app/CAboutDlg.h"
#include "app/CMVKAppDlg.h"
#include "app/COptionDlg.h"
#include "app/CommandIds.h"
#include "protocol/ProtocolTexts.h"

namespace morvik {

void CMVKAppDlg::OnReadDeviceInfo() {
    // The panel takes whatever the opened session gave, all empty when the identification
    // failed; without a session it keeps the last terminal's texts.
    DeviceInfo info = PanelInfo();
    RunTerminalTask(cmd::kReadDeviceInfo, [this, &info] { terminal_.ReadDeviceInformation(info); });
    ShowDeviceInfo(info);
}

void CMVKAppDlg::OnCopyDeviceInfo() {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        clipboard->setText(PanelClipboardText());
    }
}

void CMVKAppDlg::OnSetClock() {
    RunTerminalTask(cmd::kSetClock, [this] { terminal_.SetTerminalClockFromPc(); });
}

void CMVKAppDlg::OnEraseDetectionLog() {
    // Asked before anything is sent, without a progress window behind the question.
    if (!reporter_->Ask(Texts::EraseLogCaption(), Texts::EraseLogQuestion())) {
        return;
    }
    RunTerminalTask(cmd::kEraseDetectionLog, [this] { terminal_.EraseDetectionLog(false); });
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
