#include "dialogs/CLogDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/FileDialogs.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "res/StringIds.h"
#include "sessions/MaintenanceSave.h"

namespace morvik {
namespace {

namespace ids = res::ids;

}  // namespace

CLogDlg::CLogDlg(IWindowHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(Tr(ids::kSaveMaintenance));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    status_ = new QLabel(Tr(ids::kMaintenanceIntro), this);
    status_->setWordWrap(true);
    status_->setMinimumWidth(420);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->hide();
    save_ = new QPushButton(Tr(ids::kSaveToFile), this);
    close_ = new QPushButton(Tr(ids::kButtonClose), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, &CLogDlg::OnSave);
    connect(close_, &QPushButton::clicked, this, &CLogDlg::reject);
    timer_.setInterval(kPollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CLogDlg::OnTimer);
}

CLogDlg::~CLogDlg() {
    timer_.stop();
    if (worker_) {
        worker_->RequestCancel();
        worker_->Join();
    }
}

QString CLogDlg::StatusText() const {
    return status_->text();
}

bool CLogDlg::Running() const {
    return worker_ && !worker_->Finished();
}

void CLogDlg::OnSave() {
    // No default extension; the dialog asks before replacing a file.
    const ChosenFile file =
        ChooseFile(this, FileDialogMode::SaveAsTyped, ids::kMaintenanceFileFilter);
    if (file.Chosen()) {
        SaveTo(file.shown);
    }
}

void CLogDlg::SaveTo(const QString& path) {
    if (worker_) {
        return;
    }
    bar_->show();
    save_->setEnabled(false);
    close_->setText(Tr(ids::kButtonAbort));
    status_->setText(Tr(ids::kMaintenanceSaving));
    worker_ = std::make_unique<CMaintenanceWorker>(host_.Terminal(), LocalPath(path));
    bar_->setRange(0, worker_->Maximum());
    bar_->setValue(0);
    timer_.start();
    worker_->Start();
}

void CLogDlg::reject() {
    if (Running()) {
        worker_->RequestCancel();
        OnTimer();
        return;
    }
    QDialog::reject();
}

void CLogDlg::OnTimer() {
    if (!worker_) {
        return;
    }
    bar_->setRange(0, worker_->Maximum());
    bar_->setValue(std::min(worker_->Position(), worker_->Maximum()));
    if (!worker_->Finished()) {
        if (worker_->CancelRequested()) {
            save_->setEnabled(false);
            close_->setEnabled(false);
            status_->setText(Tr(ids::kMaintenanceCancelling));
        }
        return;
    }
    // The worker has restarted the terminal where needed and closed the connection.
    timer_.stop();
    worker_->Join();
    save_->setEnabled(false);
    close_->setEnabled(true);
    close_->setText(Tr(ids::kButtonClose));
    switch (worker_->Outcome()) {
        case MaintenanceOutcome::kSaved:
            status_->setText(Tr(ids::kMaintenanceSaved));
            break;
        case MaintenanceOutcome::kTimeout:
        case MaintenanceOutcome::kNoConnection:
            status_->setText(Tr(ids::kMaintenanceTimeout));
            break;
        default:
            status_->setText(Tr(ids::kMaintenanceCancelled));
            break;
    }
}

}  // namespace morvik
