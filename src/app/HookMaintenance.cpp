// The maintenance information dialog (CLogDlg).

#include "app/CMVKAppDlg.h"
#include "dialogs/CLogDlg.h"

namespace morvik {

void CMVKAppDlg::RunMaintenanceDialog() {
    CLogDlg dialog(*this, this);
    dialog.exec();
}

}  // namespace morvik
