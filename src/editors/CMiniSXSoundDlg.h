#pragma once
// The sound window of a MiniSx, "音声": one set of entries, 機能実行 (成功音, 失敗音) and KelTouch
// (完了音), each with a box for AC power and one for battery power, every entry a path with
// "参照" and play; "標準音声を設定する", "音声を登録する", OK and キャンセル. OK goes through the
// same boxes as the Mini/MiniS sound window. Entries sit on the sound slots as kMiniSxSoundRows
// says.

#include <array>
#include <string>

#include "editors/CSoundRowsDlg.h"
#include "model/SoundSlots.h"

namespace morvik {

class CMiniSXSoundDlg : public CSoundRowsDlg {
    Q_OBJECT

  public:
    CMiniSXSoundDlg(QWidget* parent, IWindowHost& host,
                    const std::array<std::string, kMiniSxSoundSlots>& paths, bool registerSounds);

    // The entries as they stand (code page 932), by slot, for the caller after OK.
    std::array<std::string, kMiniSxSoundSlots> Paths() const;

    // The entry of a slot (an index into kMiniSxSoundKeyIds).
    CSoundRow* RowOfSlot(std::size_t slot) const { return Row(static_cast<int>(slot)); }

  protected:
    std::vector<std::string> StandardPaths() const override;
};

// Runs the sound window over paths and registerSounds; true when OK stored them.
bool RunMiniSxSoundDialog(QWidget* parent, IWindowHost& host,
                          std::array<std::string, kMiniSxSoundSlots>& paths, bool& registerSounds);

}  // namespace morvik
