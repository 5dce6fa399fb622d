// The firmware update dialog (CFirmDlg).

#include "app/CMVKAppDlg.h"
#include "dialogs/CFirmDlg.h"

namespace morvik {

void CMVKAppDlg::RunFirmwareDialog(EditionCode code) {
    CFirmDlg dialog(*this, code, this);
    dialog.exec();
}

}  // namespace morvik
