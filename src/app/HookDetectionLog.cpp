// The detection log dialog (CGetDlog).

#include "app/CMVKAppDlg.h"
#include "sessions/dialogs/CGetDlog.h"

namespace morvik {

void CMVKAppDlg::RunDetectionLogDialog() {
    CGetDlog dialog(*this, this);
    dialog.exec();
}

}  // namespace morvik
