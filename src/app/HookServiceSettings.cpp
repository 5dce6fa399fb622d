// The service settings window of the edition (Ctrl+S): each edition's window has its own hook.

#include "app/CMVKAppDlg.h"

namespace morvik {

void CMVKAppDlg::RunServiceSettingsDialog(EditionCode code) {
    switch (code) {
        case kEditionSlim:
            RunSlimServiceDialog();
            return;
        case kEditionMini:
            RunMiniServiceDialog();
            return;
        case kEditionMiniSx:
            RunMiniSxServiceDialog();
            return;
        default:
            return;
    }
}

}  // namespace morvik
