#include "editors/CMiniEasyDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppStringIds.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "dialogs/CMiniProgressDlg.h"
#include "dialogs/CMiniSXProgressDlg.h"
#include "editors/CByteField.h"
#include "editors/MiniWriteRun.h"
#include "model/MiniEditorRules.h"
#include "model/SoundSlots.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyEasyWriteSession.h"

namespace morvik {
namespace {

namespace ids = res::ids;

}  // namespace

CMiniEasyDlg::CMiniEasyDlg(IWindowHost& host)
    : CMiniEasyDlg(host, kEditionMini, QuickWindow::Easy, nullptr) {
    setObjectName(QStringLiteral("CMiniEasyDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
}

CMiniEasyDlg::CMiniEasyDlg(IWindowHost& host, EditionCode edition, QuickWindow window,
                           QWidget* parent)
    : QDialog(parent),
      host_(host),
      edition_(edition),
      window_(window),
      limits_(MiniQuickLimits(window)),
      closeAfterWrite_(host.Prefs().CloseAfterWrite()) {
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Build();
    Recount();
    MarkClean();
}

CMiniEasyDlg::~CMiniEasyDlg() {
    host_.UnregisterSettingsWindow(this);
}

std::vector<int> CMiniEasyDlg::NoteIds() const {
    const bool service = window_ == QuickWindow::Service;
    if (edition_ != kEditionMiniSx) {
        return service ? std::vector<int>{ids::kServiceIntro, ids::kEncryptedQueryNote}
                       : std::vector<int>{};
    }
    std::vector<int> notes;
    if (service) {
        notes.push_back(ids::kServiceIntro);
    }
    notes.push_back(ids::kMiniSxSameBrowserNote);
    notes.push_back(service ? ids::kEncryptedQueryNote : ids::kNoQueryNote);
    return notes;
}

void CMiniEasyDlg::Build() {
    const bool service = window_ == QuickWindow::Service;
    if (edition_ == kEditionMiniSx) {
        setWindowTitle(Tr(service ? ids::kMiniSxServiceCaption : ids::kMiniSxEasyCaption));
    } else {
        setWindowTitle(Tr(service ? ids::kAppMiniServiceCaption : ids::kAppMiniEasyCaption));
    }
    auto* layout = new QVBoxLayout(this);
    for (int id : NoteIds()) {
        auto* note = new QLabel(Tr(id), this);
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    auto lengthMessage = [](int id, int limit) {
        return QString::fromStdString(res::Format(res::Text(id), limit));
    };
    url_ = new CByteField(false, limits_.url, lengthMessage(ids::kUrlTooLong, limits_.url), this);
    message_ = new CByteField(true, limits_.message,
                              lengthMessage(ids::kBrowserMessageTooLong, limits_.message), this);
    counter_ = new QLabel(this);
    sound_ = new QComboBox(this);
    for (int id : kSoundChoiceTextIds) {
        sound_->addItem(Tr(id));
    }
    lamp_ = new QComboBox(this);
    for (int id : kLampPresetTextIds) {
        lamp_->addItem(Tr(id));
    }
    clock_ = new QCheckBox(Tr(ids::kSetPcClock), this);
    clock_->setChecked(true);
    write_ = new QPushButton(Tr(ids::kWriteAndReboot), this);
    close_ = new QPushButton(Tr(ids::kButtonClose), this);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(Tr(ids::kFieldUrl), url_->Widget());
    form->addRow(Tr(ids::kFieldMessage), message_->Widget());
    auto* counterRow = new QHBoxLayout;
    counterRow->addStretch();
    counterRow->addWidget(new QLabel(Tr(ids::kTotalSize), this));
    counterRow->addWidget(counter_);
    form->addRow(counterRow);
    form->addRow(Tr(ids::kSound), sound_);
    form->addRow(Tr(ids::kLamp), lamp_);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clock_);
    buttons->addStretch();
    buttons->addWidget(write_);
    buttons->addWidget(close_);
    for (QPushButton* button : {write_, close_}) {
        button->setAutoDefault(false);
    }
    layout->addLayout(buttons);
    url_->Widget()->setMinimumWidth(url_->Widget()->fontMetrics().averageCharWidth() * 72);

    for (CByteField* field : {url_, message_}) {
        connect(field, &CByteField::Edited, this, &CMiniEasyDlg::Recount);
        connect(field, &CByteField::Refused, this, [this](const QString& message) {
            host_.MessageBox(this, Tr(ids::kErrorCaption), message, QMessageBox::Warning,
                             QMessageBox::Ok, false);
        });
    }
    connect(write_, &QPushButton::clicked, this, &CMiniEasyDlg::Write);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

MiniQuickSettings CMiniEasyDlg::Quick() const {
    MiniQuickSettings quick;
    quick.window = window_;
    quick.url = url_->Text();
    quick.message = message_->Text();
    quick.sound = SoundChoiceAt(sound_->currentIndex());
    quick.lamp = LampPresetAt(lamp_->currentIndex());
    return quick;
}

void CMiniEasyDlg::Recount() {
    const PageCounter counter = CountQuickTexts(url_->Text(), message_->Text(), limits_.total);
    counter_->setText(QString::fromStdString(CounterText(counter)));
    counter_->setStyleSheet(counter.over ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
    write_->setEnabled(!counter.over);
}

void CMiniEasyDlg::Write() {
    const MiniQuickSettings quick = Quick();
    const std::vector<std::string> problems = ValidateMiniQuick(quick);
    if (!problems.empty()) {
        host_.ErrorBox(BoxText(MessageLines(problems)), this, false);
        return;
    }
    if (edition_ == kEditionMiniSx) {
        RunWrite<CMiniSXProgressDlg>(BuildMiniSxQuickPlan(quick, ProgramFolder()));
    } else {
        RunWrite<CMiniProgressDlg>(BuildMiniQuickPlan(quick, ProgramFolder()));
    }
}

template <class Dialog>
void CMiniEasyDlg::RunWrite(MiniQuickPlan plan) {
    if (!plan.problem.empty()) {
        host_.ErrorBox(FromCp932(plan.problem), this, false);
        return;
    }
    CTerminal& terminal = host_.Terminal();
    if (!OpenForWrite(terminal)) {
        return;
    }
    setEnabled(false);
    CMiniFamilyEasyWriteSession session(terminal, std::move(plan), clock_->isChecked());
    const bool done = RunWriteDialog<Dialog>(host_, this, session);
    setEnabled(true);
    ShowWriteOutcome(host_, this, OutcomeOf(session, done));
    if (done) {
        MarkClean();
    }
    if (done && closeAfterWrite_) {
        accept();
    }
}

bool CMiniEasyDlg::HasUnsavedChanges() const {
    const MiniQuickSettings now = Quick();
    return now.url != clean_.url || now.message != clean_.message || now.sound != clean_.sound ||
           now.lamp != clean_.lamp;
}

void CMiniEasyDlg::reject() {
    if (!MayDiscardChanges(this, {this}, false)) {
        return;
    }
    QDialog::reject();
}

void CMiniEasyDlg::keyPressEvent(QKeyEvent* event) {
    // Esc would throw away what was typed: only 閉じる and the close box close the window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace morvik
