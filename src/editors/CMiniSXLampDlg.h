#pragma once
// The lamp window of a MiniSx, "ランプ": one set of rows instead of the Mini's two, in the groups
// 機能実行 (成功, 失敗), KelTouch (完了) and 待機, each with a box for AC power and one for battery
// power. Where each row sits on the terminal's keys is kMiniSxLampRows'.

#include <array>

#include "editors/CLampRowsDlg.h"
#include "model/LampRowChoices.h"
#include "model/LampSettings.h"

namespace morvik {

// The rows' list selections, by lamp (the order of kMiniSxLampKeyIds).
using MiniSxLampChoices = std::array<LampRowChoice, kMiniSxLampCount>;

class CMiniSXLampDlg : public CLampRowsDlg {
    Q_OBJECT

  public:
    CMiniSXLampDlg(QWidget* parent, IWindowHost& host, const MiniSxLamps& patterns,
                   const MiniSxLampChoices& choices);

    // What the rows show now, by lamp (stored by the caller when the dialog ends with OK).
    MiniSxLamps Patterns() const;
    MiniSxLampChoices Choices() const;
    // The row that edits lamp (an index into kMiniSxLampKeyIds).
    CLampRow* RowOfLamp(std::size_t lamp) const;
};

// Runs the lamp window over patterns and choices; true when OK stored the rows.
bool RunMiniSxLampDialog(QWidget* parent, IWindowHost& host, MiniSxLamps& patterns,
                         MiniSxLampChoices& choices);

}  // namespace morvik
