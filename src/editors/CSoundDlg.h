#pragma once
// The sound dialog "音声" of the Mini/MiniS detailed settings window: the twelve sound slots of
// both sets with "参照" and play buttons, "音声を登録する", "標準音声を設定する", OK and
// キャンセル. The mode only decides which labels are bold: the set's success and failure sounds, or
// the four periodic guidance sounds. OK goes through SoundDialogOkSteps; a refusal or a question
// answered Cancel keeps the dialog open with every entry as it was.

#include <QDialog>
#include <array>
#include <string>

#include "editors/MiniSetDialogs.h"
#include "model/SoundSlots.h"

class QCheckBox;
class QPushButton;

namespace morvik {

class CMVKAppDlg;
class CSoundRow;

class CSoundDlg : public QDialog {
    Q_OBJECT

  public:
    CSoundDlg(QWidget* parent, CMVKAppDlg& main, SoundDialogMode mode,
              const std::array<std::string, kMiniSoundSlots>& paths, bool registerSounds);

    // The entries as they stand (code page 932), for the caller after OK.
    std::array<std::string, kMiniSoundSlots> Paths() const;
    bool RegisterSounds() const;

    CSoundRow* Row(int slot) const { return rows_.at(static_cast<std::size_t>(slot)); }
    QCheckBox* RegisterCheck() const { return register_; }
    QPushButton* StandardButton() const { return standard_; }

    // Fills the slots with the standard sounds of the program's wav folder.
    void SetStandardSounds();
    void accept() override;

    // True when slot's label is bold in mode.
    static bool BoldLabel(SoundDialogMode mode, int slot);

  private:
    CMVKAppDlg& main_;
    std::array<CSoundRow*, kMiniSoundSlots> rows_{};
    QCheckBox* register_;
    QPushButton* standard_;
};

}  // namespace morvik
