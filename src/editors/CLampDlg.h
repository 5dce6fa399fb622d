#pragma once
// The lamp dialog of one set, "ランプ(設定1)" / "ランプ(設定2)": the success, failure and idle rows
// for AC power and for battery power. Set 2's AC success row reads "成功 ※" with the note that a
// MiniS shows the same pattern when a KelTouch completes.

#include "editors/CLampRowsDlg.h"
#include "model/LampRowChoices.h"
#include "model/LampSettings.h"

class QLabel;

namespace morvik {

class CLampDlg : public CLampRowsDlg {
    Q_OBJECT

  public:
    CLampDlg(QWidget* parent, IWindowHost& host, int setIndex, const LampSetPatterns& patterns,
             const std::array<LampRowChoice, kLampRowsPerSet>& choices);

    // What the rows show now (stored by the caller when the dialog ends with OK).
    LampSetPatterns Patterns() const;
    std::array<LampRowChoice, kLampRowsPerSet> Choices() const;

    QLabel* Note() const { return note_; }

  private:
    QLabel* note_;
};

}  // namespace morvik
