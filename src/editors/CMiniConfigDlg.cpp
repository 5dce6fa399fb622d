#include "editors/CMiniConfigDlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CFunctionPageDlg.h"
#include "model/FunctionPageFields.h"
#include "res/StringIds.h"

namespace morvik {

namespace ids = res::ids;

CMiniConfigDlg::CMiniConfigDlg(int setIndex, bool withSetButtons, QWidget* parent)
    : QWidget(parent), setIndex_(setIndex) {
    BuildGroup(PhoneGroup::Docomo, ids::kDocomoGroup);
    BuildGroup(PhoneGroup::Other, ids::kOtherCarriersGroup);
    auto* groups = new QHBoxLayout;
    groups->addWidget(docomo_.box, 1);
    groups->addWidget(other_.box, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    if (withSetButtons) {
        lamp_ = new QPushButton(Tr(ids::kLamp), this);
        sound_ = new QPushButton(Tr(ids::kSound), this);
        copy_ =
            new QPushButton(Tr(setIndex == 0 ? ids::kCopySet1ToSet2 : ids::kCopySet2ToSet1), this);
        auto* buttons = new QHBoxLayout;
        for (QPushButton* button : {lamp_, sound_, copy_}) {
            button->setAutoDefault(false);
            buttons->addWidget(button);
        }
        buttons->addStretch();
        layout->addLayout(buttons);
        connect(lamp_, &QPushButton::clicked, this, &CMiniConfigDlg::LampClicked);
        connect(sound_, &QPushButton::clicked, this, &CMiniConfigDlg::SoundClicked);
        connect(copy_, &QPushButton::clicked, this, &CMiniConfigDlg::CopyClicked);
    }
}

void CMiniConfigDlg::BuildGroup(PhoneGroup group, int titleId) {
    Group& g = GroupOf(group);
    g.box = new QGroupBox(Tr(titleId), this);
    g.stack = new QStackedWidget(g.box);
    const auto kinds = GroupPageKinds(group);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        auto* page = new CFunctionPageDlg(kinds[i], group, g.stack);
        g.pages[i] = page;
        g.stack->addWidget(page);
        connect(page, &CFunctionPageDlg::SelectorChanged, this,
                [this, group](int index) { Select(group, index); });
        connect(page, &CFunctionPageDlg::Changed, this, &CMiniConfigDlg::Changed);
        connect(page, &CFunctionPageDlg::InputRefused, this, &CMiniConfigDlg::InputRefused);
    }
    auto* layout = new QVBoxLayout(g.box);
    layout->addWidget(g.stack);
}

void CMiniConfigDlg::Bind(FunctionSet* set) {
    set_ = set;
    for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
        for (CFunctionPageDlg* page : GroupOf(group).pages) {
            page->Bind(set != nullptr ? &set->Group(group) : nullptr);
        }
    }
    Refresh();
}

void CMiniConfigDlg::Refresh() {
    if (set_ == nullptr) {
        return;
    }
    for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
        Group& g = GroupOf(group);
        for (CFunctionPageDlg* page : g.pages) {
            page->Refresh();
        }
        g.stack->setCurrentIndex(std::max(0, SelectorIndexOf(set_->Group(group).selected, group)));
    }
}

void CMiniConfigDlg::Select(PhoneGroup group, int index) {
    if (set_ == nullptr) {
        return;
    }
    Group& g = GroupOf(group);
    set_->Group(group).selected = KindAtSelectorIndex(index, group);
    // The three pages' selectors stay on the same entry.
    for (CFunctionPageDlg* page : g.pages) {
        page->Selector()->setCurrentIndex(index);
    }
    g.stack->setCurrentIndex(index);
    g.pages[static_cast<std::size_t>(index)]->Selector()->setFocus();
    emit Changed();
}

CFunctionPageDlg* CMiniConfigDlg::Page(PhoneGroup group, RecordKind kind) const {
    for (CFunctionPageDlg* page : GroupOf(group).pages) {
        if (page->Kind() == kind) {
            return page;
        }
    }
    return nullptr;
}

CFunctionPageDlg* CMiniConfigDlg::SelectedPage(PhoneGroup group) const {
    return static_cast<CFunctionPageDlg*>(GroupOf(group).stack->currentWidget());
}

QGroupBox* CMiniConfigDlg::GroupBox(PhoneGroup group) const {
    return GroupOf(group).box;
}

QList<QWidget*> CMiniConfigDlg::TabOrder() const {
    QList<QWidget*> order = SelectedPage(PhoneGroup::Docomo)->TabOrder();
    order += SelectedPage(PhoneGroup::Other)->TabOrder();
    for (QWidget* button : {static_cast<QWidget*>(lamp_), static_cast<QWidget*>(sound_),
                            static_cast<QWidget*>(copy_)}) {
        if (button != nullptr) {
            order.append(button);
        }
    }
    return order;
}

}  // namespace morvik
