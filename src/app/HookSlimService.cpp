// The service settings window of a Slim (CServiceDlg), Ctrl+S. Guard applied by the caller.

#include "app/CMVKAppDlg.h"
#include "editors/CServiceDlg.h"

namespace morvik {

void CMVKAppDlg::RunSlimServiceDialog() {
    CServiceDlg dialog(*this, this);
    dialog.exec();
}

}  // namespace morvik
