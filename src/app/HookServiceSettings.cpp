// The service settings window of the edition (Ctrl+S).
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::RunServiceSettingsDialog(EditionCode code) {
    (void)code;
    WindowNotYetAvailable(res::ids::kServiceSettingsCaption);
}

}  // namespace morvik
