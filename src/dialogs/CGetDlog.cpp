#include "dialogs/CGetDlog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FileDialogs.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "res/DetectionLogViewIds.h"
#include "res/StringIds.h"
#include "sessions/DetectionLogSession.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr char kCan = 0x18;

}  // namespace

CGetDlog::CGetDlog(IWindowHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setWindowTitle(Tr(ids::kGetDetectionLog));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    auto* intro = new QLabel(Tr(ids::kDetectionLogIntro), this);
    intro->setWordWrap(true);
    intro->setMinimumWidth(420);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    bar_->setRange(0, 1);
    bar_->setValue(0);
    save_ = new QPushButton(Tr(ids::kSaveToFile), this);
    view_ = new QPushButton(Tr(ids::kDlogViewShow), this);
    view_->setEnabled(false);
    close_ = new QPushButton(Tr(ids::kButtonClose), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(status_);
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_);
    buttons->addWidget(view_);
    buttons->addWidget(close_);
    layout->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, &CGetDlog::OnSave);
    connect(view_, &QPushButton::clicked, this, &CGetDlog::accept);
    connect(close_, &QPushButton::clicked, this, &CGetDlog::reject);
    timer_.setInterval(kPollIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &CGetDlog::OnTimer);
}

CGetDlog::~CGetDlog() {
    timer_.stop();
    if (worker_) {
        worker_->Cancel();
        worker_->Join();
    }
}

QString CGetDlog::StatusText() const {
    return status_->text();
}

bool CGetDlog::Running() const {
    return worker_ && !worker_->Finished();
}

void CGetDlog::OnSave() {
    const ChosenFile file =
        ChooseFile(this, FileDialogMode::SaveAsTyped, ids::kDetectionLogFileFilter);
    if (file.Chosen()) {
        SaveTo(file.shown);
    }
}

void CGetDlog::SaveTo(const QString& path) {
    if (worker_) {
        return;
    }
    const std::string file = LocalPath(path);
    // Known before anything is asked of the terminal: the file can be written. Nothing is left
    // behind by the test, and a file of that name stays as it is until the log is complete.
    if (!FileCanBeWritten(file)) {
        host_.ErrorBox(Tr(ids::kFileOpenFailed), this);
        return;
    }
    CTerminal& terminal = host_.Terminal();
    if (!terminal.Connect(false)) {
        return;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return;
    }
    const std::int64_t count = RequestDetectionLog(terminal);
    if (count < 0) {
        terminal.SendReboot();
        terminal.Disconnect();
        host_.ErrorBox(Tr(ids::kDetectionLogFailed), this);
        return;
    }
    if (count == 0) {
        // The terminal gives up waiting for CAN after about 10 s and stays in command mode; an
        // operator may read the box for longer. CAN first, "reboot s" once the box is closed.
        CancelEmptyDetectionLog(terminal);
        host_.MessageBox(this, Tr(ids::kDetectionLogCaption), Tr(ids::kDetectionLogEmpty),
                         QMessageBox::Information, QMessageBox::Ok, true);
        LeaveEmptyDetectionLog(terminal);
        return;
    }
    bar_->setRange(0, static_cast<int>(count));
    bar_->setValue(0);
    save_->setEnabled(false);
    close_->setText(Tr(ids::kButtonAbort));
    path_ = path;
    worker_ = std::make_unique<CDetectionLogWorker>(terminal, file, count);
    status_->setText(Tr(ids::kDetectionLogSaving));
    timer_.start();
    worker_->Start();
}

void CGetDlog::reject() {
    if (Running()) {
        worker_->Cancel();
        status_->setText(Tr(ids::kDetectionLogCancelled));
        return;
    }
    // A terminal that was left waiting for the receiver gives up at CAN.
    CTerminal& terminal = host_.Terminal();
    if (terminal.IsConnected()) {
        const char can = kCan;
        terminal.Port().WriteBytes(&can, 1);
    }
    QDialog::reject();
}

void CGetDlog::OnTimer() {
    if (!worker_) {
        return;
    }
    bar_->setValue(worker_->Records());
    if (worker_->Finished()) {
        Finish();
    }
}

void CGetDlog::Finish() {
    timer_.stop();
    worker_->Join();
    save_->setEnabled(false);
    close_->setEnabled(true);
    close_->setText(Tr(ids::kButtonClose));
    status_->setText(Tr(worker_->StatusId()));
    if (worker_->Outcome() == DetectionLogOutcome::kSaved) {
        bar_->setValue(bar_->maximum());
        savedPath_ = path_;
        view_->setEnabled(true);
        host_.MessageBox(this, Tr(ids::kDetectionLogDoneCaption), Tr(ids::kDetectionLogDone),
                         QMessageBox::Information, QMessageBox::Ok, true);
    }
}

}  // namespace morvik
