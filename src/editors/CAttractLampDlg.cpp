#include "editors/CAttractLampDlg.h"

#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CLampRow.h"
#include "res/StringIds.h"

namespace morvik {

CAttractLampDlg::CAttractLampDlg(QWidget* parent, IWindowHost& host,
                                 const GuidanceLampPatterns& patterns,
                                 const std::array<LampRowChoice, 4>& choices)
    : CLampRowsDlg(parent, host, Tr(res::ids::kGuidanceLampCaption)) {
    // Rows in the order of GuidanceLampPatterns: set 1 AC, set 1 battery, set 2 AC, set 2 battery.
    const int sets[] = {res::ids::kSet1, res::ids::kSet2};
    for (std::size_t set = 0; set < 2; ++set) {
        QGroupBox* group = AddBox(Body(), Tr(sets[set]), this);
        for (std::size_t power = 0; power < 2; ++power) {
            const std::size_t row = set * 2 + power;
            AddRow(group, Tr(power == 0 ? res::ids::kPowerAc : res::ids::kPowerBattery), false,
                   patterns[row], choices[row]);
        }
    }
    FinishLayout();
}

GuidanceLampPatterns CAttractLampDlg::Patterns() const {
    GuidanceLampPatterns patterns;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        patterns[i] = Row(static_cast<int>(i))->Pattern();
    }
    return patterns;
}

std::array<LampRowChoice, 4> CAttractLampDlg::Choices() const {
    std::array<LampRowChoice, 4> choices;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        choices[i] = Row(static_cast<int>(i))->Choice();
    }
    return choices;
}

}  // namespace morvik
