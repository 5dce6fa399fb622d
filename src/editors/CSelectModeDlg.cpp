#include "editors/CSelectModeDlg.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {

namespace ids = res::ids;

CSelectModeDlg::CSelectModeDlg(EditionCode edition, QWidget* parent)
    : QDialog(parent),
      edition_(edition),
      easy_(new QPushButton(Tr(ids::kEasySettings), this)),
      detailed_(new QPushButton(Tr(ids::kDetailedSettings), this)) {
    setObjectName(QStringLiteral("CSelectModeDlg"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(Tr(edition == kEditionMiniSx ? ids::kMiniSxSelectModeCaption
                                                : ids::kMiniSelectModeCaption));
    auto* layout = new QHBoxLayout(this);
    for (QPushButton* button : {easy_, detailed_}) {
        // Big enough to hit at a glance; Enter presses the button that has the focus.
        button->setMinimumSize(160, 48);
        button->setAutoDefault(true);
        layout->addWidget(button);
    }
    connect(easy_, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Easy;
        accept();
    });
    connect(detailed_, &QPushButton::clicked, this, [this] {
        choice_ = Choice::Detailed;
        accept();
    });
}

CSelectModeDlg::Choice CSelectModeDlg::Run() {
    choice_ = Choice::None;
    exec();
    return choice_;
}

}  // namespace morvik
