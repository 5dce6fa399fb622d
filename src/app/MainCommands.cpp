// The main window's menu commands. Those that need no window of their own (the information
// panel, the clipboard, the terminal clock, the detection log's erasure, options and About) are
// done here; for those that lead into a window, here is the frame around the window (the limit of
// open settings windows, the edition check, connect and disconnect, the modal guard), and the
// window itself is opened from the terminal (OpenFromTerminal.cpp) or a file (OpenFromFile.cpp).
// The main window's own exchanges with a terminal run on a worker with the progress window, as
// the sessions do: a terminal that trickles its reply no longer stops the window painting for the
// length of an exchange, and キャンセル ends the command.

#include "app/CMVKAppDlg.h"

#include <QApplication>
#include <QClipboard>

#include "app/CAboutDlg.h"
#include "app/COptionDlg.h"
#include "app/CommandIds.h"
#include "app/FileDialogs.h"
#include "app/QtText.h"
#include "dialogs/CProgressDlg.h"
#include "fleet/CFleetDlg.h"
#include "protocol/ProtocolTexts.h"
#include "res/StringIds.h"
#include "sessions/TerminalTask.h"

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
    windows_.PropagateCloseAfterWrite(prefs_.CloseAfterWrite());
}

void CMVKAppDlg::OnAbout() {
    CAboutDlg dialog(this);
    ModalGuard(true);
    dialog.exec();
    ModalGuard(false);
}

void CMVKAppDlg::OnChangeSettings() {
    if (SettingsWindowLimitReached()) {
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    bool opened = false;
    EditionCode code = kEditionNone;
    std::string terminalId;
    RunTerminalTask(cmd::kChangeSettings, [&] {
        if (!terminal_.Connect(false)) {
            return;
        }
        if (!terminal_.OpenSession()) {
            terminal_.Disconnect();
            return;
        }
        opened = true;
        code = terminal_.DetectEdition(true);
        if (code == kEditionMini || code == kEditionMiniSx) {
            // The chooser opens the editors, which run sessions of their own: the terminal is
            // restarted and the port given up first.
            terminal_.SendReboot();
            terminal_.Disconnect();
        } else if (code == kEditionSlim) {
            terminalId = terminal_.TerminalIdQuery();
        }
    });
    if (!opened) {
        return;
    }
    if (code == kEditionMini || code == kEditionMiniSx) {
        // The chooser turns the guard off when done.
        ModalGuard(true);
        RunModeChooser(code);
        terminal_.Disconnect();
        return;
    }
    if (code == kEditionSlim) {
        OpenSlimSettingsFromTerminal(terminalId);
        // The window's read ends the session it was given; a Slim whose session is still open
        // stays in command mode until it is told to leave.
        if (terminal_.IsConnected()) {
            RunTerminalTask(cmd::kChangeSettings, [this] { terminal_.SendExit(); });
        }
    }
    terminal_.Disconnect();
}

void CMVKAppDlg::OnOpenSettingsFile() {
    if (SettingsWindowLimitReached()) {
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    ModalGuard(true);
    const QString path =
        ChooseFile(this, FileDialogMode::Open, res::ids::kSettingsFileFilter).shown;
    ModalGuard(false);
    if (path.isEmpty()) {
        return;
    }
    OpenSettingsFileWindow(path);
}

void CMVKAppDlg::OnSaveMaintenance() {
    ModalGuard(true);
    RunMaintenanceDialog();
    ModalGuard(false);
}

void CMVKAppDlg::OnUpdateFirmware() {
    const EditionCode code = DetectEditionAsTask(cmd::kUpdateFirmware);
    if (code == kEditionNone) {
        return;
    }
    if (!terminal_.Connect(false)) {
        return;
    }
    ModalGuard(true);
    RunFirmwareDialog(code);
    ModalGuard(false);
    terminal_.Disconnect();
}

void CMVKAppDlg::OnGetDetectionLog() {
    const EditionCode code = DetectEditionAsTask(cmd::kGetDetectionLog);
    if (code == kEditionNone) {
        return;
    }
    if (code == kEditionMini) {
        ModalGuard(true);
        RunDetectionLogDialog();
        ModalGuard(false);
        return;
    }
    ErrorBox(Tr(res::ids::kMiniNotFound));
    terminal_.Disconnect();
}

void CMVKAppDlg::OnServiceSettings() {
    const EditionCode code = DetectEditionAsTask(cmd::kServiceSettings);
    if (code != kEditionSlim && code != kEditionMini && code != kEditionMiniSx) {
        return;
    }
    ModalGuard(true);
    RunServiceSettingsDialog(code);
    ModalGuard(false);
}

void CMVKAppDlg::RunTerminalTask(int commandId, const std::function<void()>& work) {
    CTerminalTask task(terminal_, work);
    CProgressDlg progress(task, this);
    progress.setWindowTitle(Action(commandId)->text());
    progress.AddCancelButton();
    ModalGuard(true);
    progress.exec();
    ModalGuard(false);
}

EditionCode CMVKAppDlg::DetectEditionAsTask(int commandId) {
    EditionCode code = kEditionNone;
    RunTerminalTask(commandId, [this, &code] { code = terminal_.DetectEdition(false); });
    return code;
}

CFleetDlg* CMVKAppDlg::FleetWindow() const {
    return static_cast<CFleetDlg*>(fleet_.data());
}

void CMVKAppDlg::OnFleet() {
    if (fleet_ == nullptr) {
        // A window of its own beside the main window, deleted when closed; its runs hold the
        // modal guard, so the rest of the tool waits while terminals are being changed.
        auto* window = new CFleetDlg(*this, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        fleet_ = window;
    }
    fleet_->show();
    fleet_->raise();
    fleet_->activateWindow();
}

}  // namespace morvik
