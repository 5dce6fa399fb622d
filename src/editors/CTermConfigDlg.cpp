#include "editors/CTermConfigDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// The code is four characters; the page keeps what was read even when it is not.
constexpr int kAuthCodeCharacters = 4;

QComboBox* List(QWidget* parent, std::initializer_list<int> textIds) {
    auto* list = new QComboBox(parent);
    for (int id : textIds) {
        list->addItem(Tr(id));
    }
    return list;
}

}  // namespace

CTermConfigDlg::CTermConfigDlg(QWidget* parent)
    : QWidget(parent),
      cardDetection_(
          List(this, {ids::kCardDetectionFailureDisplay, ids::kCardDetectionSuccessDisplay})),
      touchLog_(new QCheckBox(Tr(ids::kOutputTouchLog), this)),
      settingSwitch_(
          List(this, {ids::kSwitchDisabled, ids::kSwitchEnabled, ids::kSwitchSmartphoneAuto})),
      operationMode_(List(this, {ids::kModeAutoByPower, ids::kModeAlwaysEco, ids::kModeAlwaysOn})),
      authCode_(new QLineEdit(this)),
      clockCheck_(new QCheckBox(Tr(ids::kClockCheck), this)) {
    authCode_->setMaxLength(kAuthCodeCharacters);
    authCode_->setMaximumWidth(authCode_->fontMetrics().horizontalAdvance(QStringLiteral("0")) *
                                   kAuthCodeCharacters * 3 +
                               16);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(Tr(ids::kCardDetection), cardDetection_);
    form->addRow(Tr(ids::kTouchLog), touchLog_);
    form->addRow(Tr(ids::kSettingSwitch), settingSwitch_);
    form->addRow(Tr(ids::kOperationMode), operationMode_);
    form->addRow(Tr(ids::kAuthCode), authCode_);
    form->addRow(QString(), new QLabel(Tr(ids::kAppAuthCodeHelp), this));
    form->addRow(QString(), clockCheck_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();

    connect(cardDetection_, &QComboBox::activated, this, [this](int index) {
        if (settings_ != nullptr)
            settings_->cardDetection = index;
    });
    connect(settingSwitch_, &QComboBox::activated, this, [this](int index) {
        if (settings_ != nullptr)
            settings_->settingSwitch = index;
    });
    connect(operationMode_, &QComboBox::activated, this, [this](int index) {
        if (settings_ != nullptr)
            settings_->operationMode = index;
    });
    connect(touchLog_, &QCheckBox::toggled, this, [this](bool on) {
        if (settings_ != nullptr)
            settings_->touchLog = on;
    });
    connect(clockCheck_, &QCheckBox::toggled, this, [this](bool on) {
        if (settings_ != nullptr)
            settings_->clockCheck = on;
    });
    connect(authCode_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (settings_ != nullptr)
            settings_->authCode = ToCp932(text);
    });
}

void CTermConfigDlg::Bind(MiniTerminalSettings* settings) {
    settings_ = settings;
    Refresh();
}

void CTermConfigDlg::Refresh() {
    if (settings_ == nullptr) {
        return;
    }
    // A value outside a list (kept as read) shows no entry.
    cardDetection_->setCurrentIndex(
        settings_->cardDetection < cardDetection_->count() ? settings_->cardDetection : -1);
    settingSwitch_->setCurrentIndex(
        settings_->settingSwitch < settingSwitch_->count() ? settings_->settingSwitch : -1);
    operationMode_->setCurrentIndex(settings_->operationMode);
    const QSignalBlocker blockLog(touchLog_);
    const QSignalBlocker blockClock(clockCheck_);
    touchLog_->setChecked(settings_->touchLog);
    clockCheck_->setChecked(settings_->clockCheck);
    // A shorter code read from a terminal shows padded to four characters; what is held (and
    // written back) is the padded text from then on, as the operator sees it.
    if (!settings_->authCode.empty()) {
        settings_->authCode = PadAuthCode(settings_->authCode);
    }
    authCode_->setText(FromCp932(settings_->authCode));
}

}  // namespace morvik
