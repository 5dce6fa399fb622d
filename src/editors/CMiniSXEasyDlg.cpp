#include "editors/CMiniSXEasyDlg.h"

namespace morvik {

CMiniSXEasyDlg::CMiniSXEasyDlg(IWindowHost& host)
    : CMiniEasyDlg(host, kEditionMiniSx, QuickWindow::Easy, nullptr) {
    setObjectName(QStringLiteral("CMiniSXEasyDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
}

}  // namespace morvik
