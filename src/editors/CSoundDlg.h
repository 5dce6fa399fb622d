#pragma once
// The sound dialog "音声" of the Mini/MiniS detailed settings window: the twelve sound slots of
// both sets with "参照" and play buttons, "音声を登録する", "標準音声を設定する", OK and
// キャンセル. The mode only decides which labels are bold: the set's success and failure sounds, or
// the four periodic guidance sounds. OK goes through SoundDialogOkSteps; a refusal or a question
// answered Cancel keeps the dialog open with every entry as it was.

#include <array>
#include <string>

#include "editors/CSoundRowsDlg.h"
#include "editors/MiniSetDialogs.h"
#include "model/SoundSlots.h"

namespace morvik {

class CSoundDlg : public CSoundRowsDlg {
    Q_OBJECT

  public:
    CSoundDlg(QWidget* parent, IWindowHost& host, SoundDialogMode mode,
              const std::array<std::string, kMiniSoundSlots>& paths, bool registerSounds);

    // The entries as they stand (code page 932), for the caller after OK.
    std::array<std::string, kMiniSoundSlots> Paths() const;

    // True when slot's label is bold in mode.
    static bool BoldLabel(SoundDialogMode mode, int slot);

  protected:
    std::vector<std::string> StandardPaths() const override;
};

}  // namespace morvik
