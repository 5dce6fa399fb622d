// The change-mode chooser (CSelectModeDlg) of a Mini-family terminal, and the window it leads
// to: the easy window, or the detailed window read from the terminal.

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "editors/CMiniSXEasyDlg.h"
#include "editors/CSelectModeDlg.h"
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
    if (code == kEditionMiniSx && choice == CSelectModeDlg::Choice::Easy) {
        auto* easy = new CMiniSXEasyDlg(*this);
        if (!RegisterSettingsWindow(Family::MiniSx, easy)) {
            delete easy;
            ErrorBox(Tr(res::ids::kTooManySettingsWindows));
            return;
        }
        easy->show();
        return;
    }
    if (code == kEditionMiniSx) {
        OpenMiniSxDetailedWindow();
        return;
    }
    if (code != kEditionMini) {
        WindowNotYetAvailable(res::ids::kMenuChangeSettings);
        return;
    }
    if (choice == CSelectModeDlg::Choice::Easy) {
        auto* easy = new CMiniEasyDlg(*this);
        if (!RegisterSettingsWindow(Family::Mini, easy)) {
            delete easy;
            ErrorBox(Tr(res::ids::kTooManySettingsWindows));
            return;
        }
        easy->show();
        return;
    }
    // A detailed window that is open already reads the terminal again.
    auto* window = qobject_cast<CMiniCustomDlg*>(miniSlot_.data());
    const bool created = window == nullptr;
    if (created) {
        window = new CMiniCustomDlg(*this);
        SetMiniSlot(window);
    }
    window->SetCloseAfterWrite(CloseAfterWrite());
    const std::string connection =
        !terminal_.DevicePath().empty()
            ? terminal_.DevicePath()
            : res::Format(res::Text(res::ids::kComPortFormat), PortNumber());
    window->SetCaptionText(QString::fromStdString(connection));
    window->show();
    window->raise();
    const CMiniCustomDlg::ReadOutcome outcome = window->Read();
    if (!outcome.loaded) {
        ErrorBox(outcome.message, window, false);
        if (created) {
            delete window;
        }
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, window, false);
    }
    MessageBox(window, Tr(res::ids::kReadDoneCaption), Tr(res::ids::kReadDone),
               QMessageBox::Information, QMessageBox::Ok, false);
}

}  // namespace morvik
