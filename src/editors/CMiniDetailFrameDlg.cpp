#include "editors/CMiniDetailFrameDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/FileDialogs.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "editors/MiniWriteRun.h"
#include "model/MiniSettings.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SessionWorker.h"

namespace morvik {

namespace ids = res::ids;

CMiniDetailFrameDlg::CMiniDetailFrameDlg(IWindowHost& host, int captionId)
    : QWidget(nullptr, Qt::Window),
      host_(host),
      captionId_(captionId),
      closeAfterWrite_(host.Prefs().CloseAfterWrite()),
      tabs_(new QTabWidget(this)),
      note_(new QLabel(this)),
      save_(new QPushButton(Tr(ids::kSaveToFile), this)),
      clock_(new QCheckBox(Tr(ids::kSetPcClock), this)),
      write_(new QPushButton(Tr(ids::kWriteAndReboot), this)),
      close_(new QPushButton(Tr(ids::kButtonClose), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    SetCaptionText(QString());
    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    // No button is the default: Enter in a field never writes or closes the window.
    for (QPushButton* button : {save_, write_, close_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(save_, &QPushButton::clicked, this, [this] { SaveToFile(); });
    connect(write_, &QPushButton::clicked, this, &CMiniDetailFrameDlg::Write);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

CMiniDetailFrameDlg::~CMiniDetailFrameDlg() {
    host_.UnregisterSettingsWindow(this);
}

void CMiniDetailFrameDlg::FinishLayout() {
    // Room for the widest page (a set's two function pages side by side) within 1024 x 768.
    const QSize size(960, 660);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(clock_);
    buttons->addWidget(write_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(note_);
    layout->addLayout(buttons);
    UpdateNote();
    UpdateButtons();
    resize(sizeHint().expandedTo(size));
}

void CMiniDetailFrameDlg::SetCaptionText(const QString& text) {
    setWindowTitle(
        QString::fromStdString(res::Format(res::Text(captionId_), text.toUtf8().constData())));
}

void CMiniDetailFrameDlg::UpdateButtons() {
    const bool enabled = WriteAllowed();
    write_->setEnabled(enabled);
    save_->setEnabled(enabled);
}

void CMiniDetailFrameDlg::UpdateNote() {
    note_->setText(Tr(NoteId()));
}

void CMiniDetailFrameDlg::SetBusy(bool busy) {
    tabs_->setEnabled(!busy);
    for (QWidget* widget : {static_cast<QWidget*>(save_), static_cast<QWidget*>(clock_),
                            static_cast<QWidget*>(write_), static_cast<QWidget*>(close_)}) {
        widget->setEnabled(!busy);
    }
    if (!busy) {
        UpdateButtons();
    }
}

CMiniDetailFrameDlg::ReadOutcome CMiniDetailFrameDlg::Read() {
    return RunReadSession(std::nullopt);
}

CMiniDetailFrameDlg::ReadOutcome CMiniDetailFrameDlg::Read(SettingsFileText file) {
    return RunReadSession(std::move(file));
}

CMiniDetailFrameDlg::ReadOutcome CMiniDetailFrameDlg::RunReadSession(
    std::optional<SettingsFileText> file) {
    const bool fromFile = file.has_value();
    std::unique_ptr<CSessionWorker> read = MakeReadSession(std::move(file));
    SetBusy(true);
    RunRead(*read, fromFile);
    SetBusy(false);
    ReadOutcome outcome;
    outcome.loaded = TakeRead(*read);
    if (outcome.loaded) {
        UpdateNote();
        UpdateButtons();
    }
    outcome.message = BoxText(read->ErrorText());
    if (!outcome.loaded && outcome.message.isEmpty()) {
        outcome.message = Tr(ids::kSettingsFileInvalid);
    }
    return outcome;
}

void CMiniDetailFrameDlg::Write() {
    const std::vector<std::string> problems = Validate();
    if (!problems.empty()) {
        host_.ErrorBox(BoxText(MessageLines(problems)), this, false);
        return;
    }
    if (!OpenForWrite(host_.Terminal())) {
        return;
    }
    SetBusy(true);
    const WriteOutcome outcome = RunWrite(clock_->isChecked());
    SetBusy(false);
    // A failed write leaves every value of the window as it was.
    ShowWriteOutcome(host_, this, outcome);
    if (outcome.done) {
        MarkClean();
    }
    if (outcome.done && closeAfterWrite_) {
        close();
    }
}

void CMiniDetailFrameDlg::SaveToFile(const QString& chosen) {
    const std::vector<std::string> problems = Validate();
    if (!problems.empty()) {
        host_.ErrorBox(BoxText(MessageLines(problems)), this, false);
        return;
    }
    QString path = chosen;
    if (path.isEmpty()) {
        path = ChooseFile(this, FileDialogMode::Save, ids::kSettingsFileFilter).shown;
    }
    if (path.isEmpty()) {
        return;
    }
    std::string message;
    if (!SaveSettingsFile(path, message)) {
        host_.ErrorBox(FromCp932(message), this, false);
        return;
    }
    MarkClean();
}

void CMiniDetailFrameDlg::ShowRefusal(const QString& text) {
    host_.MessageBox(this, Tr(ids::kErrorCaption), text, QMessageBox::Warning, QMessageBox::Ok,
                     false);
}

void CMiniDetailFrameDlg::closeEvent(QCloseEvent* event) {
    if (host_.Guarded() && !isEnabled()) {
        // A session or a guarded box of this window is running: it ends first.
        event->ignore();
        return;
    }
    if (!MayDiscardChanges(this, {this}, false)) {
        event->ignore();
        return;
    }
    host_.UnregisterSettingsWindow(this);
    host_.HostWindow().raise();
    host_.HostWindow().activateWindow();
    QWidget::closeEvent(event);
}

void CMiniDetailFrameDlg::keyPressEvent(QKeyEvent* event) {
    // Esc would throw away every edit: the window closes only through 閉じる or its close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace morvik
