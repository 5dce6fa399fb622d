#include "editors/CMiniSXFSmartConfigDlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

namespace ids = res::ids;

CMiniSXFSmartConfigDlg::CMiniSXFSmartConfigDlg(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("CMiniSXFSmartConfigDlg"));
    auto* box = new QGroupBox(Tr(ids::kOsaifuSmartphoneDetection), this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    const int texts[] = {ids::kUseBasicSettings, ids::kUseKelTouch,
                         ids::kUseOsaifuSmartphoneSettings};
    for (int i = 0; i < 3; ++i) {
        buttons_[i] = new QRadioButton(Tr(texts[i]), box);
        group->addButton(buttons_[i], i);
        boxLayout->addWidget(buttons_[i]);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        if (detection_ == nullptr) {
            return;
        }
        const auto choice = static_cast<SmartphoneChoice>(id);
        detection_->Choose(choice);
        emit Chosen(choice);
    });
}

void CMiniSXFSmartConfigDlg::Bind(MiniSxSmartphoneDetection* detection) {
    detection_ = detection;
    Refresh();
}

void CMiniSXFSmartConfigDlg::Refresh() {
    if (detection_ != nullptr) {
        ChoiceButton(detection_->Choice())->setChecked(true);
    }
}

QRadioButton* CMiniSXFSmartConfigDlg::ChoiceButton(SmartphoneChoice choice) const {
    return buttons_[static_cast<int>(choice)];
}

}  // namespace morvik
