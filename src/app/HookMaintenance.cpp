// The maintenance information dialog (CLogDlg).
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::RunMaintenanceDialog() {
    WindowNotYetAvailable(res::ids::kMenuSaveMaintenance);
}

}  // namespace morvik
