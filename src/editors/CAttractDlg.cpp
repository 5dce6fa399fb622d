#include "editors/CAttractDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;

QComboBox* NumberList(QWidget* parent, std::initializer_list<int> values, const char* format) {
    auto* list = new QComboBox(parent);
    for (int value : values) {
        list->addItem(QString::asprintf(format, value), value);
    }
    return list;
}

QComboBox* HourList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (int hour = 0; hour < kGuidanceHourCount; ++hour) {
        list->addItem(QString::number(hour), hour);
    }
    return list;
}

// "hour 時 minute 分" on one line.
QHBoxLayout* TimeRow(QComboBox* hour, QComboBox* minute) {
    auto* row = new QHBoxLayout;
    row->addWidget(hour);
    row->addWidget(new QLabel(Tr(ids::kAppHourUnit)));
    row->addWidget(minute);
    row->addWidget(new QLabel(Tr(ids::kAppMinuteUnit)));
    row->addStretch();
    return row;
}

}  // namespace

CAttractDlg::CAttractDlg(QWidget* parent)
    : QWidget(parent),
      use_(new QRadioButton(Tr(ids::kGuidanceUse), this)),
      dontUse_(new QRadioButton(Tr(ids::kGuidanceDontUse), this)),
      startHour_(HourList(this)),
      startMinute_(NumberList(this, {kGuidanceMinutes[0], kGuidanceMinutes[1]}, "%d")),
      endHour_(HourList(this)),
      endMinute_(NumberList(this, {kGuidanceMinutes[0], kGuidanceMinutes[1]}, "%d")),
      interval_(NumberList(
          this, {kGuidanceIntervals[0], kGuidanceIntervals[1], kGuidanceIntervals[2]}, "%d")),
      lamp_(new QPushButton(Tr(ids::kLamp), this)),
      sound_(new QPushButton(Tr(ids::kSound), this)) {
    auto* useGroup = new QButtonGroup(this);
    useGroup->addButton(use_);
    useGroup->addButton(dontUse_);
    auto* useRow = new QHBoxLayout;
    useRow->addWidget(use_);
    useRow->addWidget(dontUse_);
    useRow->addStretch();
    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(interval_);
    intervalRow->addWidget(new QLabel(Tr(ids::kAppMinuteUnit)));
    intervalRow->addStretch();

    auto* box = new QGroupBox(Tr(ids::kGuidanceSettings), this);
    auto* form = new QFormLayout(box);
    form->addRow(Tr(ids::kGuidanceFunction), useRow);
    form->addRow(Tr(ids::kGuidanceStart), TimeRow(startHour_, startMinute_));
    form->addRow(Tr(ids::kGuidanceEnd), TimeRow(endHour_, endMinute_));
    form->addRow(Tr(ids::kGuidanceInterval), intervalRow);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {lamp_, sound_}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    form->addRow(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addStretch();

    connect(use_, &QRadioButton::toggled, this, &CAttractDlg::Store);
    for (QComboBox* list : {startHour_, startMinute_, endHour_, endMinute_, interval_}) {
        connect(list, &QComboBox::activated, this, &CAttractDlg::Store);
    }
    connect(lamp_, &QPushButton::clicked, this, &CAttractDlg::LampClicked);
    connect(sound_, &QPushButton::clicked, this, &CAttractDlg::SoundClicked);
}

void CAttractDlg::Bind(PeriodicGuidance* guidance) {
    guidance_ = guidance;
    Refresh();
}

void CAttractDlg::Refresh() {
    if (guidance_ == nullptr) {
        return;
    }
    PeriodicGuidance* bound = guidance_;
    const PeriodicGuidance shown = *bound;
    guidance_ = nullptr;  // no stores while the widgets follow the value
    (shown.enabled ? use_ : dontUse_)->setChecked(true);
    startHour_->setCurrentIndex(startHour_->findData(shown.startHour));
    startMinute_->setCurrentIndex(startMinute_->findData(shown.startMinute));
    endHour_->setCurrentIndex(endHour_->findData(shown.endHour));
    endMinute_->setCurrentIndex(endMinute_->findData(shown.endMinute));
    interval_->setCurrentIndex(interval_->findData(shown.interval));
    guidance_ = bound;
}

void CAttractDlg::Store() {
    if (guidance_ == nullptr) {
        return;
    }
    guidance_->enabled = use_->isChecked();
    guidance_->startHour = startHour_->currentData().toInt();
    guidance_->startMinute = startMinute_->currentData().toInt();
    guidance_->endHour = endHour_->currentData().toInt();
    guidance_->endMinute = endMinute_->currentData().toInt();
    guidance_->interval = interval_->currentData().toInt();
}

}  // namespace morvik
