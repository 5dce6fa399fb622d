#include "editors/CConfigDlg.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "app/AppIcon.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "editors/CByteField.h"
#include "editors/SlimOwnGuard.h"
#include "model/SlimTexts.h"
#include "model/SlimValidation.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

constexpr std::array<SlimRecordKind, 3> kKinds = {SlimRecordKind::Browser, SlimRecordKind::Toruca,
                                                  SlimRecordKind::Mailer};

}  // namespace

CConfigDlg::CConfigDlg(IWindowHost& host) : CConfigDlg(host, SlimEditorMode::Normal, nullptr) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own beside the main window (no parent), with a minimize box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // It never outlives the main window, which deletes the windows it knows of; this covers a
    // window the main window has not taken into its slot or list yet.
    connect(&host.HostWindow(), &QObject::destroyed, this, [this] { delete this; });
}

CConfigDlg::CConfigDlg(IWindowHost& host, SlimEditorMode mode, QWidget* parent)
    : QDialog(parent), host_(host), mode_(mode) {
    setWindowIcon(AppIcon());
    form_.Build(this);
    Initialise();
    Connect();
}

CConfigDlg::~CConfigDlg() = default;

void CConfigDlg::Initialise() {
    for (SlimFunction function : SlimOfferedFunctions(mode_)) {
        form_.functions->addItem(FromCp932(SlimFunctionLabel(function)));
    }
    SetState(SlimEditorState{});
    fileText_.clear();
    setWindowIcon(AppIcon());
}

void CConfigDlg::Connect() {
    connect(form_.functions, &QComboBox::currentIndexChanged, this, &CConfigDlg::Refresh);
    for (const SlimFieldSpec& entry : SlimFieldSpecs()) {
        CByteField* field = form_.Field(entry.field);
        connect(field, &CByteField::Edited, this, &CConfigDlg::Refresh);
        connect(field, &CByteField::Refused, this,
                [this, entry](const QString& message) { ShowRefusal(entry.field, message); });
    }
    for (int g = 0; g < SlimConfigForm::kGroups; ++g) {
        connect(form_.queryOn[g], &QRadioButton::toggled, this, &CConfigDlg::Refresh);
    }
    connect(form_.encrypt, &QCheckBox::toggled, this, &CConfigDlg::Refresh);
    for (QCheckBox* box : form_.behaviour) {
        connect(box, &QCheckBox::toggled, this, &CConfigDlg::Refresh);
    }
    connect(form_.openToruca, &QPushButton::clicked, this, &CConfigDlg::OnOpenToruca);
    connect(form_.write, &QPushButton::clicked, this, &CConfigDlg::OnWrite);
    connect(form_.save, &QPushButton::clicked, this, &CConfigDlg::OnSave);
    connect(form_.close, &QPushButton::clicked, this, &QWidget::close);
}

SlimEditorState CConfigDlg::State() const {
    SlimEditorState state;
    const std::vector<SlimFunction> offered = SlimOfferedFunctions(mode_);
    const int index = form_.functions->currentIndex();
    state.function = index >= 0 && index < static_cast<int>(offered.size())
                         ? offered[static_cast<std::size_t>(index)]
                         : SlimFunction::Browser;
    for (const SlimFieldSpec& entry : SlimFieldSpecs()) {
        SlimFieldText(state, entry.field) = form_.Field(entry.field)->Text();
    }
    for (int g = 0; g < SlimConfigForm::kGroups; ++g) {
        state.SetQuery(kKinds[static_cast<std::size_t>(g)], form_.queryOn[g]->isChecked());
    }
    state.encryptQuery = form_.encrypt->isChecked();
    state.behaviour.waitingLamp = form_.behaviour[0]->isChecked();
    state.behaviour.buzzer = form_.behaviour[1]->isChecked();
    state.behaviour.lowVoltageBuzzer = form_.behaviour[2]->isChecked();
    state.behaviour.failureLampBuzzer = form_.behaviour[3]->isChecked();
    return state;
}

void CConfigDlg::SetState(const SlimEditorState& state) {
    const QSignalBlocker block(form_.functions);
    const std::vector<SlimFunction> offered = SlimOfferedFunctions(mode_);
    for (std::size_t i = 0; i < offered.size(); ++i) {
        if (offered[i] == state.function) {
            form_.functions->setCurrentIndex(static_cast<int>(i));
        }
    }
    for (const SlimFieldSpec& entry : SlimFieldSpecs()) {
        form_.Field(entry.field)->SetText(SlimFieldText(state, entry.field));
    }
    for (int g = 0; g < SlimConfigForm::kGroups; ++g) {
        const QSignalBlocker blockOn(form_.queryOn[g]);
        const QSignalBlocker blockOff(form_.queryOff[g]);
        const bool on = state.QueryOn(kKinds[static_cast<std::size_t>(g)]);
        (on ? form_.queryOn[g] : form_.queryOff[g])->setChecked(true);
    }
    const bool boxes[] = {state.encryptQuery, state.behaviour.waitingLamp, state.behaviour.buzzer,
                          state.behaviour.lowVoltageBuzzer, state.behaviour.failureLampBuzzer};
    QCheckBox* widgets[] = {form_.encrypt, form_.behaviour[0], form_.behaviour[1],
                            form_.behaviour[2], form_.behaviour[3]};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const QSignalBlocker blockBox(widgets[i]);
        widgets[i]->setChecked(boxes[i]);
    }
    Refresh();
}

void CConfigDlg::Refresh() {
    const SlimEditorView view = View();
    form_.docomoSummary->setText(FromCp932(view.docomoSummary));
    form_.othersSummary->setText(FromCp932(view.othersSummary));
    form_.description->setText(FromCp932(view.description));
    for (int g = 0; g < SlimConfigForm::kGroups; ++g) {
        const SlimGroupView& group = view.Group(kKinds[static_cast<std::size_t>(g)]);
        form_.groups[g]->setEnabled(group.enabled && !sessionRunning_);
        form_.queryLabels[g]->setEnabled(group.queryPairEnabled);
        form_.queryOn[g]->setEnabled(group.queryPairEnabled);
        form_.queryOff[g]->setEnabled(group.queryPairEnabled);
        form_.sizes[g]->setText(FromCp932(SlimSizeText(group.sum, group.capacity)));
        QPalette palette = form_.sizes[g]->palette();
        palette.setColor(QPalette::Text, group.over ? QColor(255, 0, 0) : QColor(0, 0, 0));
        form_.sizes[g]->setPalette(palette);
    }
    for (std::size_t i = 0; i < form_.summary.size(); ++i) {
        form_.summary[i]->setText(FromCp932(view.behaviourTexts[i]));
    }
    form_.functions->setEnabled(!sessionRunning_);
    form_.write->setEnabled(view.writeAllowed && !sessionRunning_);
    form_.save->setEnabled(view.writeAllowed && !sessionRunning_);
    form_.close->setEnabled(!sessionRunning_);
    form_.encrypt->setEnabled(!sessionRunning_ && mode_ == SlimEditorMode::Normal);
    for (QCheckBox* box : form_.behaviour) {
        box->setEnabled(!sessionRunning_);
    }
}

void CConfigDlg::SetSessionRunning(bool running) {
    sessionRunning_ = running;
    Refresh();
}

void CConfigDlg::OwnBox(const QString& caption, const QString& text, QMessageBox::Icon icon) {
    const SlimOwnGuard guard(host_, *this);
    host_.MessageBox(this, caption, text, icon, QMessageBox::Ok, false);
}

void CConfigDlg::ShowRefusal(SlimField field, const QString& message) {
    QWidget* edit = form_.Field(field)->Widget();
    OwnBox(Tr(res::ids::kErrorCaption), message, QMessageBox::Warning);
    activateWindow();
    edit->setFocus(Qt::OtherFocusReason);
}

bool CConfigDlg::Validate() {
    if (const std::optional<std::string> problem = ValidateSlimEditorState(State())) {
        OwnBox(Tr(res::ids::kErrorCaption), FromCp932(*problem), QMessageBox::Warning);
        return false;
    }
    return true;
}

void CConfigDlg::keyPressEvent(QKeyEvent* event) {
    // Enter in a field never writes or closes the window; in a multi-line field the field
    // itself takes it as a line break before it gets here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CConfigDlg::reject() {
    if (sessionRunning_) {
        return;
    }
    // Esc closes the window only while it holds nothing unsaved; 閉じる and the close box ask
    // first.
    if (HasUnsavedChanges() && (!closing_ || !MayDiscardChanges(this, {this}, false))) {
        return;
    }
    QDialog::reject();
}

void CConfigDlg::closeEvent(QCloseEvent* event) {
    if (sessionRunning_) {
        event->ignore();
        return;
    }
    closing_ = true;
    QDialog::closeEvent(event);
    closing_ = false;
}

void CConfigDlg::done(int result) {
    QDialog::done(result);
    host_.UnregisterSettingsWindow(this);
    host_.HostWindow().raise();
    host_.HostWindow().activateWindow();
}

}  // namespace morvik
