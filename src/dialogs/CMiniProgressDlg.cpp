#include "dialogs/CMiniProgressDlg.h"

#include <QTimer>

#include "sessions/MiniWriteFrame.h"

namespace morvik {

CMiniProgressDlg::CMiniProgressDlg(CSessionWorker& worker, QWidget* parent)
    : CProgressDlg(worker, parent) {}

CMiniProgressDlg::CMiniProgressDlg(CMiniWriteFrame& write, QWidget* parent)
    : CProgressDlg(write, parent), write_(&write), uploadTimer_(new QTimer(this)) {
    uploadTimer_->setInterval(kUploadTickMs);
    connect(uploadTimer_, &QTimer::timeout, this, &CMiniProgressDlg::UploadTick);
    connect(this, &QDialog::finished, uploadTimer_, &QTimer::stop);
}

CMiniProgressDlg::~CMiniProgressDlg() = default;

void CMiniProgressDlg::ExchangeEnding() {
    if (write_ != nullptr) {
        write_->LeaveTerminalIfUnfinished();
    }
}

void CMiniProgressDlg::showEvent(QShowEvent* event) {
    CProgressDlg::showEvent(event);
    if (uploadTimer_ != nullptr && !uploadTimerStarted_) {
        uploadTimerStarted_ = true;
        uploadTimer_->start();
    }
}

void CMiniProgressDlg::UploadTick() {
    // While the image travels the bar stands at sent × n × 2 ÷ total; once the upload is over
    // (or the session ended without one) the tick has nothing more to do.
    if (write_->Uploading()) {
        uploadSeen_ = true;
        write_->UpdateUploadProgress();
    } else if (uploadSeen_ || write_->Finished()) {
        uploadTimer_->stop();
    }
}

}  // namespace morvik
