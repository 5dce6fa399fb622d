#include "editors/CSXTermConfigDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

namespace ids = res::ids;

CSXTermConfigDlg::CSXTermConfigDlg(QWidget* parent)
    : QWidget(parent),
      clockCheck_(new QCheckBox(Tr(ids::kClockCheck), this)),
      lamp_(new QPushButton(Tr(ids::kOpenLampSettings), this)),
      sound_(new QPushButton(Tr(ids::kOpenSoundSettings), this)) {
    setObjectName(QStringLiteral("CSXTermConfigDlg"));
    auto* help = new QLabel(Tr(ids::kClockCheckHelp), this);
    help->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {lamp_, sound_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(clockCheck_);
    layout->addWidget(help);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->addStretch();
    connect(clockCheck_, &QCheckBox::toggled, this, [this](bool on) {
        if (bound_ != nullptr) {
            *bound_ = on;
        }
    });
    connect(lamp_, &QPushButton::clicked, this, &CSXTermConfigDlg::LampClicked);
    connect(sound_, &QPushButton::clicked, this, &CSXTermConfigDlg::SoundClicked);
}

void CSXTermConfigDlg::Bind(bool* clockCheck) {
    bound_ = clockCheck;
    Refresh();
}

void CSXTermConfigDlg::Refresh() {
    if (bound_ != nullptr) {
        const QSignalBlocker block(clockCheck_);
        clockCheck_->setChecked(*bound_);
    }
}

}  // namespace morvik
