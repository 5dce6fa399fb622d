#include "dialogs/CFirmDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/FileDialogs.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "files/FirmwareImage.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "sessions/FirmwareTrigger.h"
#include "sessions/FirmwareUpdate.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// The port's read constant while the window is open: short replies come quickly, and the
// trigger repeats at this pace.
constexpr uint32_t kWindowReadConstantMs = 400;
constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 120;
constexpr int kAnimationFrames = 4;

// A terminal in update mode, drawn rather than shipped as a bitmap. A Slim shows its update lamp
// steadily; the Mini family blinks its lamp ring green and orange, which the frames show as
// green, dark, orange, dark.
QPixmap UpdateModePicture(bool miniFamily, int frame) {
    QPixmap pixmap(kPictureWidth, kPictureHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body(0x4A, 0x4F, 0x57);
    const QColor dark(0x30, 0x30, 0x30);
    p.setPen(QPen(Qt::black, 2));
    if (miniFamily) {
        // A square reader with a round lamp ring and a cable going out at the bottom.
        p.setBrush(body);
        p.drawRoundedRect(QRectF(40, 10, 80, 90), 10, 10);
        static const QColor kFrameColours[kAnimationFrames] = {QColor(0x30, 0xD0, 0x40), dark,
                                                               QColor(0xFF, 0x99, 0x20), dark};
        p.setPen(QPen(kFrameColours[frame % kAnimationFrames], 6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(80, 50), 26, 26);
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(QPointF(80, 100), QPointF(80, 118));
    } else {
        // A slim upright reader with one lamp at the top.
        p.setBrush(body);
        p.drawRoundedRect(QRectF(55, 5, 50, 105), 8, 8);
        p.setBrush(QColor(0xFF, 0x99, 0x20));
        p.drawEllipse(QPointF(80, 22), 8, 8);
        p.setBrush(QColor(0xE0, 0xE0, 0xE0));
        p.drawRoundedRect(QRectF(63, 45, 34, 45), 4, 4);
    }
    return pixmap;
}

}  // namespace

CFirmDlg::CFirmDlg(IWindowHost& host, EditionCode code, QWidget* parent)
    : QDialog(parent), host_(host), code_(code) {
    BuildWindow();
    progressTimer_.setInterval(kProgressIntervalMs);
    connect(&progressTimer_, &QTimer::timeout, this, &CFirmDlg::OnProgressTimer);
    animationTimer_.setInterval(kAnimationIntervalMs);
    connect(&animationTimer_, &QTimer::timeout, this, &CFirmDlg::OnAnimationTimer);

    pathLabel_->hide();
    path_->hide();
    browse_->hide();
    bar_->hide();
    SetMessage(kFirmwareStepStart);
    info_->setText(Tr(ids::kFirmwareSaveSettingsFirst));
    RefreshPicture();

    CSerialCommAPI& port = host_.Terminal().Port();
    port.SetMode(CSerialCommAPI::kModeSynchronous);
    saved_ = port.GetTimeouts();
    CommTimeouts t = saved_;
    t.readTotalConstant = kWindowReadConstantMs;
    port.SetTimeouts(t);
}

CFirmDlg::~CFirmDlg() {
    progressTimer_.stop();
    animationTimer_.stop();
    StopTrigger();
    if (worker_) {
        worker_->Join();  // a transfer cannot be stopped half-way; the window waits for it
    }
}

void CFirmDlg::BuildWindow() {
    setWindowTitle(Tr(ids::kFirmwareUpdate));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    message_ = new QLabel(this);
    message_->setWordWrap(true);
    message_->setMinimumWidth(460);
    picture_ = new QLabel(this);
    picture_->setFixedSize(kPictureWidth, kPictureHeight);
    pathLabel_ = new QLabel(Tr(ids::kFirmwareFile), this);
    path_ = new QLineEdit(this);
    browse_ = new QPushButton(Tr(ids::kBrowse), this);
    info_ = new QLabel(this);
    info_->setWordWrap(true);
    bar_ = new QProgressBar(this);
    bar_->setTextVisible(false);
    next_ = new QPushButton(Tr(ids::kButtonNext), this);
    next_->setDefault(true);
    cancel_ = new QPushButton(Tr(ids::kButtonAbort), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(message_);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel_);
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);
    layout->addLayout(pathRow);
    layout->addWidget(info_);
    layout->addWidget(bar_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(next_);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(next_, &QPushButton::clicked, this, &CFirmDlg::OnNext);
    connect(cancel_, &QPushButton::clicked, this, &CFirmDlg::reject);
    connect(browse_, &QPushButton::clicked, this, &CFirmDlg::OnBrowse);
    connect(path_, &QLineEdit::textChanged, this, &CFirmDlg::OnPathChanged);
}

QString CFirmDlg::MessageText() const {
    return message_->text();
}

QString CFirmDlg::InfoText() const {
    return info_->text();
}

bool CFirmDlg::InfoVisible() const {
    return !info_->isHidden();
}

bool CFirmDlg::PictureShown() const {
    return !picture_->isHidden() && !picture_->pixmap().isNull();
}

void CFirmDlg::OnNext() {
    if (step_ < kFirmwareStepSideExits) {
        ++step_;
    }
    RunStep();
}

void CFirmDlg::RunStep() {
    switch (step_) {
        case kFirmwareStepEnterUpdateMode:
            EnterUpdateModeStep();
            break;
        case kFirmwareStepChooseImage:
            ChooseImageStep();
            break;
        case kFirmwareStepSending:
            SendStep();
            break;
        case kFirmwareStepUpdated:
            cancel_->setText(Tr(ids::kButtonClose));
            cancel_->setEnabled(true);
            SetMessage(step_);
            break;
        case kFirmwareStepClosed:
            done(QDialog::Accepted);
            break;
        case kFirmwareStepSendFailed:
            SetMessage(step_);
            cancel_->setEnabled(true);
            cancel_->setFocus();
            break;
        case kFirmwareStepNotVerified:
            ShowFinalStep(false);
            break;
        default:
            if (step_ >= kFirmwareStepCancelled) {
                ShowFinalStep(true);
            }
            break;
    }
    RefreshPicture();
}

void CFirmDlg::EnterUpdateModeStep() {
    SetMessage(step_);
    info_->clear();
    info_->hide();
    trigger_ = std::make_unique<CFirmwareTrigger>(host_.Terminal().Port(), saved_);
    trigger_->Start();
    if (MiniFamily()) {
        animationTimer_.start();
    }
    pictureFlag_ = true;
}

void CFirmDlg::ChooseImageStep() {
    StopTrigger();
    RestoreTimeouts();
    animationTimer_.stop();
    next_->setText(Tr(ids::kButtonUpdate));
    SetMessage(step_);
    pathLabel_->show();
    path_->show();
    browse_->show();
    info_->show();
    OnPathChanged();
    path_->setFocus();
}

void CFirmDlg::SendStep() {
    imagePath_ = LocalPath(path_->text());
    const FirmwareImageCheck check = CheckFirmwareImage(PathFromUtf8(imagePath_), MiniFamily());
    info_->setText(FromCp932(check.outcome));
    if (!check.valid) {
        // The file changed since it was chosen: back to the choice.
        SetMessage(kFirmwareStepChooseImage);
        step_ = kFirmwareStepChooseImage;
        next_->setEnabled(false);
        return;
    }
    imageVersion_ = check.version;
    dataLength_ = check.dataLength;
    bar_->setRange(0, static_cast<int>(dataLength_));
    bar_->setValue(0);
    SetMessage(step_);
    pathLabel_->hide();
    path_->hide();
    browse_->hide();
    bar_->show();
    cancel_->setEnabled(false);
    next_->setEnabled(false);
    worker_ = std::make_unique<CFirmwareUpdateWorker>(host_.Terminal(), imagePath_, imageVersion_,
                                                      dataLength_);
    worker_->Start();
    progressTimer_.start();
}

void CFirmDlg::ShowFinalStep(bool cancelled) {
    if (cancelled) {
        StopTrigger();
        animationTimer_.stop();
        pictureFlag_ = false;
    }
    bar_->hide();
    ShowTransferControls(false);
    cancel_->setText(Tr(ids::kButtonClose));
    cancel_->setEnabled(true);
    next_->setEnabled(false);
    SetMessage(step_);
}

void CFirmDlg::reject() {
    if (step_ == kFirmwareStepSending) {
        return;  // the transfer runs and cannot be stopped half-way
    }
    StopTrigger();
    RestoreTimeouts();
    switch (step_) {
        case kFirmwareStepStart:
        case kFirmwareStepEnterUpdateMode:
        case kFirmwareStepChooseImage:
        case kFirmwareStepSendFailed:
            step_ = kFirmwareStepCancelled;
            RunStep();
            break;
        case kFirmwareStepUpdated:
            done(QDialog::Accepted);
            break;
        default:
            done(QDialog::Rejected);
            break;
    }
}

void CFirmDlg::StopTrigger() {
    if (trigger_) {
        trigger_->Stop();
        trigger_.reset();
    }
}

void CFirmDlg::RestoreTimeouts() {
    CSerialCommAPI& port = host_.Terminal().Port();
    if (port.IsOpen() && !(worker_ && !worker_->Finished())) {
        port.SetTimeouts(saved_);
    }
}

void CFirmDlg::OnBrowse() {
    const ChosenFile file =
        ChooseFile(this, FileDialogMode::Open, ids::kFirmwareFileFilter, path_->text());
    if (file.Chosen()) {
        path_->setText(file.shown);
    }
}

void CFirmDlg::OnPathChanged() {
    if (path_->text().isEmpty()) {
        info_->clear();
        next_->setEnabled(false);
        return;
    }
    const FirmwareImageCheck check =
        CheckFirmwareImage(PathFromUtf8(LocalPath(path_->text())), MiniFamily());
    info_->setText(FromCp932(check.outcome));
    next_->setEnabled(check.valid && step_ == kFirmwareStepChooseImage);
}

void CFirmDlg::OnProgressTimer() {
    if (!worker_) {
        return;
    }
    bar_->setValue(static_cast<int>(std::min<std::int64_t>(worker_->SentBytes(), dataLength_)));
    if (!worker_->Finished()) {
        return;
    }
    progressTimer_.stop();
    worker_->Join();
    if (worker_->TerminalReached()) {
        host_.ShowDeviceInfo(worker_->Identification());
    }
    switch (worker_->Outcome()) {
        case FirmwareOutcome::kUpdated:
            bar_->setValue(bar_->maximum());
            OnNext();
            break;
        case FirmwareOutcome::kSendFailed:
            step_ = kFirmwareStepSendFailed;
            RunStep();
            break;
        default:
            step_ = kFirmwareStepNotVerified;
            RunStep();
            break;
    }
}

void CFirmDlg::OnAnimationTimer() {
    frame_ = (frame_ + 1) % kAnimationFrames;
    RefreshPicture();
}

void CFirmDlg::SetMessage(int step) {
    message_->setText(Tr(FirmwareStepTextId(step, MiniFamily())));
}

void CFirmDlg::ShowTransferControls(bool show) {
    pathLabel_->setVisible(show);
    path_->setVisible(show);
    browse_->setVisible(show);
}

void CFirmDlg::RefreshPicture() {
    const bool shown = step_ == kFirmwareStepEnterUpdateMode && pictureFlag_;
    if (shown) {
        picture_->setPixmap(UpdateModePicture(MiniFamily(), frame_));
    } else {
        picture_->clear();
    }
    picture_->setVisible(shown);
}

}  // namespace morvik
