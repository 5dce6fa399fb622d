// The service settings window of a Mini/MiniS (CMiniServiceDlg), Ctrl+S. Guard applied by the
// caller. Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::RunMiniServiceDialog() {
    WindowNotYetAvailable(res::ids::kServiceSettingsCaption);
}

}  // namespace morvik
