#pragma once
// The sound window of a MiniSx, "音声": one set of entries, 機能実行 (成功音, 失敗音) and KelTouch
// (完了音), each with a box for AC power and one for battery power, every entry a path with
// "参照" and play; "標準音声を設定する", "音声を登録する", OK and キャンセル. OK goes through the
// same boxes as the Mini/MiniS sound window. Entries sit on the sound slots as kMiniSXSoundRows
// says.

#include <QDialog>
#include <array>
#include <string>

#include "model/SoundSlots.h"

class QCheckBox;
class QPushButton;

namespace morvik {

class CMVKAppDlg;
class CSoundRow;

class CMiniSXSoundDlg : public QDialog {
    Q_OBJECT

  public:
    CMiniSXSoundDlg(QWidget* parent, CMVKAppDlg& main,
                    const std::array<std::string, kMiniSXSoundSlots>& paths, bool registerSounds);

    // The entries as they stand (code page 932), by slot, for the caller after OK.
    std::array<std::string, kMiniSXSoundSlots> Paths() const;
    bool RegisterSounds() const;

    // The entry of a slot (an index into kMiniSXSoundKeyIds).
    CSoundRow* RowOfSlot(std::size_t slot) const { return rows_.at(slot); }
    QCheckBox* RegisterCheck() const { return register_; }
    QPushButton* StandardButton() const { return standard_; }

    // Fills the slots with the standard sounds of the program's wav folder.
    void SetStandardSounds();
    void accept() override;

  private:
    CMVKAppDlg& main_;
    std::array<CSoundRow*, kMiniSXSoundSlots> rows_{};
    QCheckBox* register_;
    QPushButton* standard_;
};

// Runs the sound window over paths and registerSounds; true when OK stored them.
bool RunMiniSXSoundDialog(QWidget* parent, CMVKAppDlg& main,
                          std::array<std::string, kMiniSXSoundSlots>& paths, bool& registerSounds);

}  // namespace morvik
