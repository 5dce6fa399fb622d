#include "dialogs/CMiniSXProgressDlg.h"

namespace morvik {

CMiniSXProgressDlg::CMiniSXProgressDlg(CSessionWorker& worker, QWidget* parent)
    : CMiniProgressDlg(worker, parent) {}

CMiniSXProgressDlg::CMiniSXProgressDlg(CMiniWriteFrame& write, QWidget* parent)
    : CMiniProgressDlg(write, parent) {}

CMiniSXProgressDlg::~CMiniSXProgressDlg() = default;

}  // namespace morvik
