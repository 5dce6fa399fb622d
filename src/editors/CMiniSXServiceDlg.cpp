#include "editors/CMiniSXServiceDlg.h"

namespace morvik {

CMiniSXServiceDlg::CMiniSXServiceDlg(IWindowHost& host, QWidget* parent)
    : CMiniServiceDlg(host, kEditionMiniSx, parent) {
    setObjectName(QStringLiteral("CMiniSXServiceDlg"));
}

}  // namespace morvik
