#include "editors/CMiniSXNFCDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CByteField.h"
#include "model/MiniSxEditorRules.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

namespace ids = res::ids;

CMiniSXNFCDlg::CMiniSXNFCDlg(QWidget* parent)
    : QWidget(parent),
      browser_(new QGroupBox(Tr(ids::kBrowserLaunchSettings), this)),
      url_(new CByteField(
          false, kNfcUrlLimit,
          QString::fromStdString(res::Format(res::Text(ids::kUrlTooLong), kNfcUrlLimit)),
          browser_)),
      query_(new QComboBox(browser_)),
      counter_(new QLineEdit(browser_)) {
    setObjectName(QStringLiteral("CMiniSXNFCDlg"));
    auto* group = new QButtonGroup(this);
    const int texts[] = {ids::kNfcNotDetected, ids::kUseKelTouch, ids::kUseBrowserLaunch};
    auto* layout = new QVBoxLayout(this);
    for (int mode = 0; mode < 3; ++mode) {
        modes_[mode] = new QRadioButton(Tr(texts[mode]), this);
        group->addButton(modes_[mode], mode);
        layout->addWidget(modes_[mode]);
    }
    for (int id : {ids::kQueryEncrypted, ids::kQueryPlain, ids::kQueryNone}) {
        query_->addItem(Tr(id));
    }
    query_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    query_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    counter_->setReadOnly(true);
    counter_->setFocusPolicy(Qt::NoFocus);
    counter_->setMaximumWidth(
        counter_->fontMetrics().horizontalAdvance(QStringLiteral("000 / 000 Bytes")) + 24);
    auto* form = new QFormLayout(browser_);
    form->addRow(Tr(ids::kFieldUrl), url_->Widget());
    form->addRow(Tr(ids::kQueryLabel), query_);
    auto* size = new QHBoxLayout;
    size->addStretch();
    size->addWidget(new QLabel(Tr(ids::kTotalSize), browser_));
    size->addWidget(counter_);
    form->addRow(size);
    layout->addWidget(browser_);
    layout->addStretch();

    connect(group, &QButtonGroup::idClicked, this, [this](int mode) {
        if (nfc_ == nullptr) {
            return;
        }
        nfc_->mode = mode;
        ShowMode();
        emit Changed();
    });
    connect(url_, &CByteField::Edited, this, [this] {
        if (nfc_ != nullptr) {
            nfc_->url = url_->Text();
        }
        Recount();
        emit Changed();
    });
    connect(url_, &CByteField::Refused, this, &CMiniSXNFCDlg::InputRefused);
    connect(query_, &QComboBox::activated, this, [this](int index) {
        if (nfc_ != nullptr) {
            nfc_->query = NfcQueryOfListIndex(index);
        }
        Recount();
        emit Changed();
    });
}

void CMiniSXNFCDlg::Bind(MiniSxNfcSettings* nfc) {
    nfc_ = nfc;
    Refresh();
}

void CMiniSXNFCDlg::Refresh() {
    if (nfc_ == nullptr) {
        return;
    }
    // A mode outside the three (never left by a read) shows no button.
    if (nfc_->mode >= 0 && nfc_->mode < 3) {
        modes_[nfc_->mode]->setChecked(true);
    }
    url_->SetText(nfc_->url);
    query_->setCurrentIndex(NfcQueryListIndex(nfc_->query));
    ShowMode();
    Recount();
}

void CMiniSXNFCDlg::ShowMode() {
    browser_->setVisible(nfc_ != nullptr && NfcBrowserSettingsShown(nfc_->mode));
}

void CMiniSXNFCDlg::Recount() {
    if (nfc_ == nullptr) {
        return;
    }
    const PageCounter counter = CountNfcUrl(*nfc_);
    over_ = counter.over;
    counter_->setText(QString::fromStdString(CounterText(counter)));
    counter_->setStyleSheet(over_ ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
}

void CMiniSXNFCDlg::showEvent(QShowEvent* event) {
    ShowMode();
    Recount();
    QWidget::showEvent(event);
}

}  // namespace morvik
