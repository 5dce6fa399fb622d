// The change-mode chooser (CSelectModeDlg) of a Mini-family terminal, and the window it leads
// to: the easy window, or the detailed window read from the terminal.

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
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

}  // namespace morvik
