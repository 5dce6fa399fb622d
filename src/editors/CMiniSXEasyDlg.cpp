#include "editors/CMiniSXEasyDlg.h"

namespace morvik {

CMiniSXEasyDlg::CMiniSXEasyDlg(CMVKAppDlg& main)
    : CMiniEasyDlg(main, kEditionMiniSx, QuickWindow::Easy, nullptr) {
    setObjectName(QStringLiteral("CMiniSXEasyDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
}

}  // namespace morvik
