#include "editors/CSoundDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CSoundRow.h"
#include "editors/SoundOkBoxes.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// Slots within a set: AC success, failure, guidance, then battery success, failure, guidance.
constexpr int kSlotsPerSet = 6;

int EventOf(int slot) {
    return slot % 3;  // 0 success, 1 failure, 2 periodic guidance
}

}  // namespace

bool CSoundDlg::BoldLabel(SoundDialogMode mode, int slot) {
    if (mode == SoundDialogMode::Guidance) {
        return EventOf(slot) == 2;
    }
    const int set = mode == SoundDialogMode::Set2 ? 1 : 0;
    return slot / kSlotsPerSet == set && EventOf(slot) != 2;
}

CSoundDlg::CSoundDlg(QWidget* parent, CMVKAppDlg& main, SoundDialogMode mode,
                     const std::array<std::string, kMiniSoundSlots>& paths, bool registerSounds)
    : QDialog(parent),
      main_(main),
      register_(new QCheckBox(Tr(res::ids::kRegisterSounds), this)),
      standard_(new QPushButton(Tr(res::ids::kSetStandardSounds), this)) {
    setWindowTitle(Tr(res::ids::kSound));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(Tr(res::ids::kSoundExplanationMini).remove(QLatin1Char('\r')), this));

    auto* sets = new QHBoxLayout;
    const int setTitles[] = {res::ids::kSet1, res::ids::kSet2};
    const int powerTitles[] = {res::ids::kPowerAc, res::ids::kPowerBattery};
    const int eventLabels[] = {res::ids::kSoundSuccess, res::ids::kSoundFailure,
                               res::ids::kSoundGuidance};
    for (int set = 0; set < 2; ++set) {
        auto* setBox = new QGroupBox(Tr(setTitles[set]), this);
        auto* setLayout = new QVBoxLayout(setBox);
        for (int power = 0; power < 2; ++power) {
            auto* box = new QGroupBox(Tr(powerTitles[power]), setBox);
            auto* grid = new QGridLayout(box);
            for (int event = 0; event < 3; ++event) {
                const int slot = set * kSlotsPerSet + power * 3 + event;
                const bool marked = slot == 6;  // also the KelTouch completion sound of a MiniS
                const QString label =
                    Tr(marked ? res::ids::kSoundSuccessMarked : eventLabels[event]);
                auto* row =
                    new CSoundRow(box, label, FromCp932(paths[static_cast<std::size_t>(slot)]));
                row->SetBold(BoldLabel(mode, slot));
                row->AddTo(grid, event);
                rows_[static_cast<std::size_t>(slot)] = row;
            }
            setLayout->addWidget(box);
        }
        sets->addWidget(setBox);
    }
    layout->addLayout(sets);
    layout->addWidget(new QLabel(Tr(res::ids::kKelTouchSoundNote), this));

    register_->setChecked(registerSounds);
    standard_->setAutoDefault(false);
    connect(standard_, &QPushButton::clicked, this, &CSoundDlg::SetStandardSounds);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(res::ids::kButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(res::ids::kButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSoundDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSoundDlg::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(standard_);
    bottom->addWidget(register_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

std::array<std::string, kMiniSoundSlots> CSoundDlg::Paths() const {
    std::array<std::string, kMiniSoundSlots> paths;
    for (std::size_t slot = 0; slot < paths.size(); ++slot) {
        paths[slot] = ToCp932(rows_[slot]->Path());
    }
    return paths;
}

bool CSoundDlg::RegisterSounds() const {
    return register_->isChecked();
}

void CSoundDlg::SetStandardSounds() {
    const auto standard = StandardMiniSoundPaths(ProgramFolder());
    for (std::size_t slot = 0; slot < standard.size(); ++slot) {
        rows_[slot]->SetPath(FromCp932(standard[slot]));
    }
}

void CSoundDlg::accept() {
    if (ConfirmSoundOk(main_, this, Paths(), RegisterSounds())) {
        QDialog::accept();
    }
}

}  // namespace morvik
