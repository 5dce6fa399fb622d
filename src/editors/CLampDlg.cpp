#include "editors/CLampDlg.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CLampRow.h"
#include "res/StringIds.h"

namespace morvik {

CLampDlg::CLampDlg(QWidget* parent, IWindowHost& host, int setIndex,
                   const LampSetPatterns& patterns,
                   const std::array<LampRowChoice, kLampRowsPerSet>& choices)
    : CLampRowsDlg(parent, host,
                   Tr(setIndex == 1 ? res::ids::kLampSet2Caption : res::ids::kLampSet1Caption)),
      note_(new QLabel(this)) {
    const bool set2 = setIndex == 1;
    const int boxTitles[] = {res::ids::kPowerAc, res::ids::kPowerBattery};
    // Rows in the order of LampSetPatterns: success, failure, idle for AC, then for battery.
    for (std::size_t box = 0; box < 2; ++box) {
        QGroupBox* group = AddBox(Body(), Tr(boxTitles[box]), this);
        for (std::size_t event = 0; event < 3; ++event) {
            const std::size_t row = box * 3 + event;
            int label = event == 0   ? res::ids::kRowSuccess
                        : event == 1 ? res::ids::kRowFailure
                                     : res::ids::kRowIdle;
            if (set2 && row == 0) {
                label = res::ids::kRowSuccessMarked;
            }
            AddRow(group, Tr(label), IsIdleLampRow(row), patterns[row], choices[row]);
        }
    }
    if (set2) {
        note_->setText(Tr(res::ids::kKelTouchLampNote));
    }
    Body()->addWidget(note_);
    FinishLayout();
}

LampSetPatterns CLampDlg::Patterns() const {
    LampSetPatterns patterns;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        patterns[i] = Row(static_cast<int>(i))->Pattern();
    }
    return patterns;
}

std::array<LampRowChoice, kLampRowsPerSet> CLampDlg::Choices() const {
    std::array<LampRowChoice, kLampRowsPerSet> choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        choices[i] = Row(static_cast<int>(i))->Choice();
    }
    return choices;
}

}  // namespace morvik
