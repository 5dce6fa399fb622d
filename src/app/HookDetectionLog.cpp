// The detection log dialog (CGetDlog).
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::RunDetectionLogDialog() {
    WindowNotYetAvailable(res::ids::kMenuGetDetectionLog);
}

}  // namespace morvik
