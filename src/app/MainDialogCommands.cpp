// The main window's commands that lead into a window of their own: the frame around the window
// (the limit of open settings windows, the edition check, connect and disconnect, the modal
// guard) is here; the window itself is opened by the command's hook (Hook*.cpp).

#include <QFileDialog>

#include "app/AppStringIds.h"
#include "app/CMVKAppDlg.h"
#include "app/CommandIds.h"
#include "app/QtText.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

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
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      QtFileFilter(res::ids::kSettingsFileFilter));
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

void CMVKAppDlg::WindowNotYetAvailable(int commandTextId) {
    const QString name = Tr(commandTextId).section(QLatin1Char('\t'), 0, 0);
    const std::string text =
        res::Format(res::Text(res::ids::kAppWindowNotYetAvailable), name.toUtf8().constData());
    MessageBox(this, name, QString::fromStdString(text), QMessageBox::Information, QMessageBox::Ok,
               true);
}

}  // namespace morvik
