// The firmware update dialog (CFirmDlg).
// Placeholder until the window exists: replace the body of this file (see CMVKAppDlg.h).

#include "app/CMVKAppDlg.h"
#include "res/StringIds.h"

namespace morvik {

void CMVKAppDlg::RunFirmwareDialog(EditionCode code) {
    (void)code;
    WindowNotYetAvailable(res::ids::kMenuUpdateFirmware);
}

}  // namespace morvik
