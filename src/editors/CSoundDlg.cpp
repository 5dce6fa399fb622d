#include "editors/CSoundDlg.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CSoundRow.h"
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

CSoundDlg::CSoundDlg(QWidget* parent, IWindowHost& host, SoundDialogMode mode,
                     const std::array<std::string, kMiniSoundSlots>& paths, bool registerSounds)
    : CSoundRowsDlg(parent, host, kMiniSoundSlots, res::ids::kSoundExplanationMini,
                    registerSounds) {
    QVBoxLayout* layout = Body();
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
                SetRow(static_cast<std::size_t>(slot), row);
            }
            setLayout->addWidget(box);
        }
        sets->addWidget(setBox);
    }
    layout->addLayout(sets);
    layout->addWidget(new QLabel(Tr(res::ids::kKelTouchSoundNote), this));

    FinishLayout();
}

std::array<std::string, kMiniSoundSlots> CSoundDlg::Paths() const {
    const std::vector<std::string> list = PathList();
    std::array<std::string, kMiniSoundSlots> paths;
    std::copy(list.begin(), list.end(), paths.begin());
    return paths;
}

std::vector<std::string> CSoundDlg::StandardPaths() const {
    const auto standard = StandardMiniSoundPaths(ProgramFolder());
    return {standard.begin(), standard.end()};
}

}  // namespace morvik
