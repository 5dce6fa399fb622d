// The service settings window of a MiniSx (CMiniSXServiceDlg), Ctrl+S: modal, inside the guard
// the caller applied.

#include "app/CMVKAppDlg.h"
#include "editors/CMiniSXServiceDlg.h"

namespace morvik {

void CMVKAppDlg::RunMiniSxServiceDialog() {
    CMiniSXServiceDlg dialog(*this, this);
    dialog.exec();
}

}  // namespace morvik
