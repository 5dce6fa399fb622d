#pragma once
// The periodic guidance lamp dialog "定期誘導ランプ": for 設定1 and 設定2 one row for AC power
// and one for battery power, each on the success/failure pattern list (guidance lamps have no
// idle steps).

#include "editors/CLampRowsDlg.h"
#include "model/LampRowChoices.h"
#include "model/LampSettings.h"

namespace morvik {

class CAttractLampDlg : public CLampRowsDlg {
    Q_OBJECT

  public:
    CAttractLampDlg(QWidget* parent, IWindowHost& host, const GuidanceLampPatterns& patterns,
                    const std::array<LampRowChoice, 4>& choices);

    GuidanceLampPatterns Patterns() const;
    std::array<LampRowChoice, 4> Choices() const;
};

}  // namespace morvik
