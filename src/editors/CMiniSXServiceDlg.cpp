#include "editors/CMiniSXServiceDlg.h"

namespace morvik {

CMiniSXServiceDlg::CMiniSXServiceDlg(CMVKAppDlg& main, QWidget* parent)
    : CMiniServiceDlg(main, kEditionMiniSx, parent) {
    setObjectName(QStringLiteral("CMiniSXServiceDlg"));
}

}  // namespace morvik
