// The windows the main window opens on the terminal it reads, for every edition: the Mini
// family's mode chooser and the easy or detailed window it leads to (the detailed window read
// from the terminal into the edition's slot), the Slim window read into the Slim slot, the
// service settings window of the edition (Ctrl+S), and the firmware, maintenance and detection
// log dialogs. The command that opens them (MainCommands.cpp) has checked the edition, opened
// the terminal as the window needs and applied the modal guard.

#include "app/CMVKAppDlg.h"

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "dialogs/CFirmDlg.h"
#include "dialogs/CGetDlog.h"
#include "dialogs/CLogDlg.h"
#include "editors/CConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "editors/CMiniSXCustomDlg.h"
#include "editors/CMiniSXEasyDlg.h"
#include "editors/CMiniSXServiceDlg.h"
#include "editors/CMiniServiceDlg.h"
#include "editors/CSelectModeDlg.h"
#include "editors/CServiceDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void CMVKAppDlg::RunModeChooser(EditionCode code) {
    CSelectModeDlg chooser(code, this);
    const CSelectModeDlg::Choice choice = chooser.Run();
    // The chooser ends the modal guard its caller began, whatever was chosen.
    ModalGuard(false);
    if (choice == CSelectModeDlg::Choice::None) {
        return;
    }
    const bool miniSx = code == kEditionMiniSx;
    if (!miniSx && code != kEditionMini) {
        WindowNotYetAvailable(res::ids::kMenuChangeSettings);
        return;
    }
    if (choice == CSelectModeDlg::Choice::Detailed) {
        if (miniSx) {
            OpenMiniSxDetailedWindow();
        } else {
            OpenMiniDetailedWindow();
        }
        return;
    }
    CMiniEasyDlg* easy = miniSx ? new CMiniSXEasyDlg(*this) : new CMiniEasyDlg(*this);
    if (!RegisterSettingsWindow(miniSx ? Family::MiniSx : Family::Mini, easy)) {
        delete easy;
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    PlaceNewWindow(*easy, *this);
    easy->show();
}

void CMVKAppDlg::WindowNotYetAvailable(int commandTextId) {
    const QString name = Tr(commandTextId).section(QLatin1Char('\t'), 0, 0);
    const std::string text =
        res::Format(res::Text(res::ids::kAppWindowNotYetAvailable), name.toUtf8().constData());
    MessageBox(this, name, QString::fromStdString(text), QMessageBox::Information, QMessageBox::Ok,
               true);
}

void CMVKAppDlg::OpenMiniDetailedWindow() {
    // A detailed window that is open already reads the terminal again.
    auto* window = qobject_cast<CMiniCustomDlg*>(windows_.MiniSlot());
    const bool created = window == nullptr;
    if (created) {
        window = new CMiniCustomDlg(*this);
        SetMiniSlot(window);
    }
    ReadTerminalIntoDetailedWindow(*window, created);
}

void CMVKAppDlg::OpenMiniSxDetailedWindow() {
    auto* window = qobject_cast<CMiniSXCustomDlg*>(windows_.MiniSxSlot());
    const bool created = window == nullptr;
    if (created) {
        window = new CMiniSXCustomDlg(*this);
        SetMiniSxSlot(window);
    }
    ReadTerminalIntoDetailedWindow(*window, created);
}

void CMVKAppDlg::ReadTerminalIntoDetailedWindow(CMiniDetailFrameDlg& window, bool created) {
    window.SetCloseAfterWrite(CloseAfterWrite());
    const std::string connection =
        !terminal_.DevicePath().empty()
            ? terminal_.DevicePath()
            : res::Format(res::Text(res::ids::kComPortFormat), PortNumber());
    window.SetCaptionText(QString::fromStdString(connection));
    if (created) {
        PlaceNewWindow(window, *this);
    }
    window.show();
    window.raise();
    const CMiniDetailFrameDlg::ReadOutcome outcome = window.Read();
    if (!outcome.loaded) {
        ErrorBox(outcome.message, &window, false);
        // A window made for this read goes again; one that was open keeps what it showed.
        if (created) {
            delete &window;
        }
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, &window, false);
    }
    MessageBox(&window, Tr(res::ids::kReadDoneCaption), Tr(res::ids::kReadDone),
               QMessageBox::Information, QMessageBox::Ok, false);
}

void CMVKAppDlg::OpenSlimSettingsFromTerminal(const std::string& terminalId) {
    auto* editor = qobject_cast<CConfigDlg*>(windows_.SlimSlot());
    const bool created = editor == nullptr;
    if (created) {
        editor = new CConfigDlg(*this);
        SetSlimSlot(editor);
    }
    const std::string title = res::Format(res::Text(res::ids::kSlimSettingsCaption),
                                          FromCp932(terminalId).toUtf8().constData());
    editor->setWindowTitle(QString::fromStdString(title));
    editor->SetCloseAfterWrite(CloseAfterWrite());
    // The session the change-settings command opened is the read's; the read ends it.
    const bool clean = editor->ReadFromTerminal();
    if (editor->ReadLoaded()) {
        if (created) {
            PlaceNewWindow(*editor, *this);
        }
        editor->show();
        editor->raise();
        editor->activateWindow();
    }
    if (!clean) {
        const std::string& text = editor->ResultText();
        editor->OwnBox(Tr(res::ids::kErrorCaption),
                       text.empty() ? Tr(res::ids::kSettingsFileInvalid) : FromCp932(text),
                       QMessageBox::Warning);
        if (created && !editor->ReadLoaded()) {
            delete editor;  // the slot clears itself
        }
        return;
    }
    MessageBox(this, Tr(res::ids::kReadDoneCaption), Tr(res::ids::kReadDone),
               QMessageBox::Information, QMessageBox::Ok, true);
}

void CMVKAppDlg::RunServiceSettingsDialog(EditionCode code) {
    switch (code) {
        case kEditionSlim: {
            CServiceDlg dialog(*this, this);
            dialog.exec();
            return;
        }
        case kEditionMini: {
            CMiniServiceDlg dialog(*this, this);
            dialog.exec();
            return;
        }
        case kEditionMiniSx: {
            CMiniSXServiceDlg dialog(*this, this);
            dialog.exec();
            return;
        }
        default:
            return;
    }
}

void CMVKAppDlg::RunFirmwareDialog(EditionCode code) {
    CFirmDlg dialog(*this, code, this);
    dialog.exec();
}

void CMVKAppDlg::RunMaintenanceDialog() {
    CLogDlg dialog(*this, this);
    dialog.exec();
}

void CMVKAppDlg::RunDetectionLogDialog() {
    CGetDlog dialog(*this, this);
    if (dialog.exec() == QDialog::Accepted && !dialog.SavedPath().isEmpty()) {
        ShowDetectionLogWindow(dialog.SavedPath());
    }
}

}  // namespace morvik
