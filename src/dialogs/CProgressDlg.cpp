#include "dialogs/CProgressDlg.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

QString TitleText(int id) {
    return id == 0 ? QString() : QString::fromUtf8(res::Text(id));
}

}  // namespace

CProgressDlg::CProgressDlg(CSessionWorker& worker, QWidget* parent)
    : QDialog(parent), worker_(worker), bar_(new QProgressBar(this)), timer_(new QTimer(this)) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint & ~Qt::WindowCloseButtonHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(bar_);
    bar_->setTextVisible(false);
    setMinimumWidth(320);
    timer_->setInterval(kPollMs);
    connect(timer_, &QTimer::timeout, this, &CProgressDlg::Poll);
}

CProgressDlg::~CProgressDlg() {
    // A window destroyed while its worker runs must not leave the thread behind.
    worker_.Join();
}

void CProgressDlg::AddCancelButton() {
    cancel_ = new QPushButton(QString::fromUtf8(res::Text(res::ids::kButtonCancel)), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
    connect(cancel_, &QPushButton::clicked, this, &CProgressDlg::reject);
}

void CProgressDlg::SetExchangeEndedHandler(std::function<void()> handler, bool readsFile) {
    exchangeEnded_ = std::move(handler);
    readsFile_ = readsFile;
}

void CProgressDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) {
        return;
    }
    started_ = true;
    if (worker_.TitleId() != 0) {
        setWindowTitle(TitleText(worker_.TitleId()));
    }
    bar_->setRange(0, worker_.Maximum());
    bar_->setValue(std::min(worker_.Position(), worker_.Maximum()));
    worker_.Start();
    timer_->start();
}

void CProgressDlg::Poll() {
    if (worker_.TitleId() != 0) {
        setWindowTitle(TitleText(worker_.TitleId()));
    }
    // The worker may widen its range once it knows what it sends.
    bar_->setMaximum(worker_.Maximum());
    bar_->setValue(std::min(worker_.Position(), worker_.Maximum()));
    if (worker_.Failed()) {
        Finish(QDialog::Rejected);
    } else if (worker_.Completed()) {
        Finish(worker_.ErrorText().empty() ? QDialog::Accepted : QDialog::Rejected);
    }
}

void CProgressDlg::Finish(int result) {
    timer_->stop();
    worker_.Join();
    if (!readsFile_) {
        ExchangeEnding();
    }
    if (exchangeEnded_ && !readsFile_) {
        exchangeEnded_();
    }
    finishing_ = true;
    done(result);
}

void CProgressDlg::reject() {
    // Only Finish ends the window: a cancel asks the worker, which ends the session as its rules
    // say (the terminal left as after a failure) before the window closes.
    if (finishing_) {
        QDialog::reject();
        return;
    }
    worker_.RequestCancel();
    if (cancel_ != nullptr) {
        cancel_->setEnabled(false);
    }
}

void CProgressDlg::closeEvent(QCloseEvent* event) {
    if (!finishing_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CProgressDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->ignore();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace morvik
