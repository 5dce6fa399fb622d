#include "editors/CMiniCustomDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CAttractDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CTermConfigDlg.h"
#include "editors/MiniSetDialogs.h"
#include "editors/MiniWriteRun.h"
#include "files/SettingsFileMini.h"
#include "model/MiniEditorRules.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniReadSession.h"
#include "sessions/MiniWriteSession.h"
#include "sessions/dialogs/CMiniProgressDlg.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr int kInitialWidth = 960;
constexpr int kInitialHeight = 660;

}  // namespace

CMiniCustomDlg::CMiniCustomDlg(CMVKAppDlg& main)
    : QWidget(nullptr, Qt::Window),
      main_(main),
      closeAfterWrite_(main.CloseAfterWrite()),
      tabs_(new QTabWidget(this)),
      setPages_{new CMiniConfigDlg(0, true), new CMiniConfigDlg(1, true)},
      attractPage_(new CAttractDlg),
      termPage_(new CTermConfigDlg),
      note_(new QLabel(this)),
      save_(new QPushButton(Tr(ids::kSaveToFile), this)),
      clock_(new QCheckBox(Tr(ids::kSetPcClock), this)),
      write_(new QPushButton(Tr(ids::kWriteAndReboot), this)),
      close_(new QPushButton(Tr(ids::kButtonClose), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("CMiniCustomDlg"));
    SetCaptionText(QString());
    tabs_->addTab(setPages_[0], Tr(ids::kSet1));
    tabs_->addTab(setPages_[1], Tr(ids::kSet2));
    tabs_->addTab(attractPage_, Tr(ids::kGuidanceSettings));
    tabs_->addTab(termPage_, Tr(ids::kBodySettings));

    note_->setWordWrap(true);
    note_->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save_);
    buttons->addStretch();
    buttons->addWidget(clock_);
    buttons->addWidget(write_);
    buttons->addWidget(close_);
    // No button is the default: Enter in a field never writes or closes the window.
    for (QPushButton* button : {save_, write_, close_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(note_);
    layout->addLayout(buttons);

    setPages_[0]->Bind(&settings_.sets[0]);
    setPages_[1]->Bind(&settings_.sets[1]);
    attractPage_->Bind(&settings_.guidance);
    termPage_->Bind(&settings_.terminal);
    for (int set = 0; set < 2; ++set) {
        CMiniConfigDlg* page = setPages_[set];
        connect(page, &CMiniConfigDlg::Changed, this, &CMiniCustomDlg::UpdateButtons);
        connect(page, &CMiniConfigDlg::LengthMessage, this, &CMiniCustomDlg::ShowLengthMessage);
        connect(page, &CMiniConfigDlg::CopyClicked, this, [this, set] { CopySet(set); });
        connect(page, &CMiniConfigDlg::LampClicked, this, [this, set] { OpenSetLamp(set); });
        connect(page, &CMiniConfigDlg::SoundClicked, this, [this, set] {
            OpenSound(static_cast<int>(set == 0 ? SoundDialogMode::Set1 : SoundDialogMode::Set2));
        });
    }
    connect(attractPage_, &CAttractDlg::LampClicked, this, &CMiniCustomDlg::OpenGuidanceLamp);
    connect(attractPage_, &CAttractDlg::SoundClicked, this,
            [this] { OpenSound(static_cast<int>(SoundDialogMode::Guidance)); });
    connect(save_, &QPushButton::clicked, this, [this] { SaveToFile(); });
    connect(write_, &QPushButton::clicked, this, &CMiniCustomDlg::Write);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    UpdateNote();
    UpdateButtons();
    // Room for long URLs side by side and for the Toruca page's nine fields without crowding,
    // inside a 1024 x 768 screen.
    resize(sizeHint().expandedTo(QSize(kInitialWidth, kInitialHeight)));
}

CMiniCustomDlg::~CMiniCustomDlg() {
    main_.UnregisterSettingsWindow(this);
}

void CMiniCustomDlg::SetCaptionText(const QString& text) {
    setWindowTitle(QString::fromStdString(
        res::Format(res::Text(ids::kMiniDetailedCaption), text.toUtf8().constData())));
}

void CMiniCustomDlg::RefreshAll() {
    setPages_[0]->Refresh();
    setPages_[1]->Refresh();
    attractPage_->Refresh();
    termPage_->Refresh();
    UpdateNote();
    UpdateButtons();
}

void CMiniCustomDlg::UpdateButtons() {
    const bool enabled = MiniWriteButtonsEnabled(settings_);
    write_->setEnabled(enabled);
    save_->setEnabled(enabled);
}

void CMiniCustomDlg::UpdateNote() {
    note_->setText(Tr(MiniSoundNoteId(settings_)));
}

void CMiniCustomDlg::SetBusy(bool busy) {
    tabs_->setEnabled(!busy);
    for (QWidget* widget : {static_cast<QWidget*>(save_), static_cast<QWidget*>(clock_),
                            static_cast<QWidget*>(write_), static_cast<QWidget*>(close_)}) {
        widget->setEnabled(!busy);
    }
    if (!busy) {
        UpdateButtons();
    }
}

CMiniCustomDlg::ReadOutcome CMiniCustomDlg::Read(const QString& filePath) {
    const bool fromFile = !filePath.isEmpty();
    CTerminal& terminal = main_.Terminal();
    std::unique_ptr<CMiniReadSession> read =
        fromFile ? std::make_unique<CMiniReadSession>(filePath.toStdString(), settings_)
                 : std::make_unique<CMiniReadSession>(terminal, true, settings_);
    CMiniProgressDlg dialog(*read, this);
    dialog.SetExchangeEndedHandler([&terminal] { terminal.Disconnect(); }, fromFile);
    SetBusy(true);
    dialog.exec();
    SetBusy(false);
    ReadOutcome outcome;
    outcome.loaded = read->Loaded();
    if (outcome.loaded) {
        settings_ = read->Settings();
        RefreshAll();
    }
    outcome.message = BoxText(read->ErrorText());
    if (!outcome.loaded && outcome.message.isEmpty()) {
        outcome.message = Tr(ids::kSettingsFileInvalid);
    }
    return outcome;
}

void CMiniCustomDlg::Write() {
    const std::vector<std::string> problems = ValidateMiniSettings(settings_);
    if (!problems.empty()) {
        main_.ErrorBox(BoxText(MessageLines(problems)), this, false);
        return;
    }
    CTerminal& terminal = main_.Terminal();
    if (!OpenForWrite(terminal)) {
        return;
    }
    SetBusy(true);
    CMiniWriteSession session(terminal, settings_, clock_->isChecked());
    const bool done = RunWriteDialog(main_, this, session);
    SetBusy(false);
    // A failed write leaves every value of the window as it was.
    ShowWriteOutcome(main_, this, done, session.ErrorText());
    if (done && closeAfterWrite_) {
        close();
    }
}

void CMiniCustomDlg::SaveToFile(const QString& chosen) {
    const std::vector<std::string> problems = ValidateMiniSettings(settings_);
    if (!problems.empty()) {
        main_.ErrorBox(BoxText(MessageLines(problems)), this, false);
        return;
    }
    QString path = chosen;
    if (path.isEmpty()) {
        path = QFileDialog::getSaveFileName(this, QString(), QString(),
                                            QtFileFilter(ids::kSettingsFileFilter));
    }
    if (path.isEmpty()) {
        return;
    }
    std::string message;
    if (!SaveMiniSettingsFile(std::filesystem::path(path.toStdString()), settings_, message)) {
        main_.ErrorBox(FromCp932(message), this, false);
    }
}

void CMiniCustomDlg::ShowLengthMessage(const QString& text) {
    main_.MessageBox(this, Tr(ids::kErrorCaption), text, QMessageBox::Warning, QMessageBox::Ok,
                     false);
}

void CMiniCustomDlg::CopySet(int fromSet) {
    const int question = fromSet == 0 ? ids::kCopySet1ToSet2Confirm : ids::kCopySet2ToSet1Confirm;
    if (main_.MessageBox(this, Tr(ids::kCopyCaption), Tr(question), QMessageBox::Question,
                         QMessageBox::Ok | QMessageBox::Cancel, false) != QMessageBox::Ok) {
        return;
    }
    CopyMiniSet(fromSet, settings_, choices_);
    RefreshAll();
    main_.MessageBox(this, Tr(ids::kCopyCaption), Tr(ids::kCopied), QMessageBox::Information,
                     QMessageBox::Ok, false);
}

void CMiniCustomDlg::OpenSetLamp(int setIndex) {
    RunSetLampDialog(this, main_, setIndex, settings_, choices_);
}

void CMiniCustomDlg::OpenGuidanceLamp() {
    RunGuidanceLampDialog(this, main_, settings_, choices_);
}

void CMiniCustomDlg::OpenSound(int mode) {
    RunSoundDialog(this, main_, static_cast<SoundDialogMode>(mode), settings_);
    UpdateNote();
}

void CMiniCustomDlg::closeEvent(QCloseEvent* event) {
    if (main_.Guarded() && !isEnabled()) {
        // A session or a guarded box of this window is running: it ends first.
        event->ignore();
        return;
    }
    main_.UnregisterSettingsWindow(this);
    main_.raise();
    main_.activateWindow();
    QWidget::closeEvent(event);
}

void CMiniCustomDlg::keyPressEvent(QKeyEvent* event) {
    // Esc would throw away every edit: the window closes only through 閉じる or its close box.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace morvik
