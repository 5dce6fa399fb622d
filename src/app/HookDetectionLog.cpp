// The detection log dialog (CGetDlog); its 表示 shows the saved log in the chart window.

#include "app/CMVKAppDlg.h"
#include "dialogs/CGetDlog.h"

namespace morvik {

void CMVKAppDlg::RunDetectionLogDialog() {
    CGetDlog dialog(*this, this);
    if (dialog.exec() == QDialog::Accepted && !dialog.SavedPath().isEmpty()) {
        ShowDetectionLogWindow(dialog.SavedPath());
    }
}

}  // namespace morvik
