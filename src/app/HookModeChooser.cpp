// The change-mode chooser (CSelectModeDlg) of a Mini-family terminal.
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::RunModeChooser(EditionCode code) {
    (void)code;
    WindowNotYetAvailable(res::ids::kMenuChangeSettings);
    // The chooser ends the modal guard its caller began.
    ModalGuard(false);
}

}  // namespace morvik
