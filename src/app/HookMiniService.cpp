// The service settings window of a Mini/MiniS (CMiniServiceDlg), Ctrl+S: modal, inside the
// guard the caller applied.

#include "app/CMVKAppDlg.h"
#include "editors/CMiniServiceDlg.h"

namespace morvik {

void CMVKAppDlg::RunMiniServiceDialog() {
    CMiniServiceDlg dialog(*this, this);
    dialog.exec();
}

}  // namespace morvik
