#pragma once
// The rules of the MiniSx detailed settings window that decide something: the note line, the
// enabling of 設定/再起動 and ファイルに保存, the NFC page's "合計サイズ" counter and what shows
// in each mode, and where the rows of the one-set lamp and sound windows sit on the terminal's
// keys. The window and its pages show what these decide.

#include <array>
#include <cstddef>

#include "model/LampSettings.h"
#include "model/MiniEditorRules.h"
#include "model/MiniSxSettings.h"
#include "model/SoundSlots.h"

namespace morvik {

// The note line: 124 when the sounds are registered, 125 otherwise.
int MiniSxSoundNoteId(const MiniSxSettings& settings);

// True when 設定/再起動 and ファイルに保存 may be pressed: no selected function page of either
// set is over its limit and the NFC URL fits the NDEF record.
bool MiniSxWriteButtonsEnabled(const MiniSxSettings& settings);

// The NFC page's counter: the URL's bytes against the NDEF record's 184.
PageCounter CountNfcUrl(const MiniSxNfcSettings& nfc);

// The NFC page shows its browser settings (URL, query list, counter) only in browser mode.
bool NfcBrowserSettingsShown(int mode);

// The smartphone settings page under the detection page shows only for its own choice.
bool SmartphonePageShown(SmartphoneChoice choice);

// The groups of the lamp and sound windows, top to bottom, each with an AC box and a battery box.
enum class MiniSxRowGroup { Function, KelTouch, Idle };

// A row of the lamp or sound window: its group, its box (AC or battery), its label (string table
// id) and the index it edits (into MiniSxLamps, or into the sound slots).
struct MiniSxWindowRow {
    MiniSxRowGroup group;
    bool battery;
    int labelId;
    std::size_t index;
};

// The lamp window's rows in the order they are shown: 機能実行 成功/失敗 on lov1/lnv1 and
// lob1/lnb1, KelTouch 完了 on lov2 and lob2, 待機 on liv1 and lib1.
inline constexpr std::array<MiniSxWindowRow, kMiniSxLampCount> kMiniSxLampRows = {{
    {MiniSxRowGroup::Function, false, res::ids::kRowSuccess, 0},
    {MiniSxRowGroup::Function, false, res::ids::kRowFailure, 1},
    {MiniSxRowGroup::Function, true, res::ids::kRowSuccess, 3},
    {MiniSxRowGroup::Function, true, res::ids::kRowFailure, 4},
    {MiniSxRowGroup::KelTouch, false, res::ids::kRowComplete, 6},
    {MiniSxRowGroup::KelTouch, true, res::ids::kRowComplete, 7},
    {MiniSxRowGroup::Idle, false, res::ids::kRowIdle, 2},
    {MiniSxRowGroup::Idle, true, res::ids::kRowIdle, 5},
}};

// The sound window's rows: 機能実行 成功音/失敗音 on sov1/snv1 and sob1/snb1, KelTouch 完了音 on
// sov2 and sob2 (the slot order of kMiniSxSoundKeyIds).
inline constexpr std::array<MiniSxWindowRow, kMiniSxSoundSlots> kMiniSxSoundRows = {{
    {MiniSxRowGroup::Function, false, res::ids::kSoundSuccess, 0},
    {MiniSxRowGroup::Function, false, res::ids::kSoundFailure, 1},
    {MiniSxRowGroup::Function, true, res::ids::kSoundSuccess, 2},
    {MiniSxRowGroup::Function, true, res::ids::kSoundFailure, 3},
    {MiniSxRowGroup::KelTouch, false, res::ids::kSoundComplete, 4},
    {MiniSxRowGroup::KelTouch, true, res::ids::kSoundComplete, 5},
}};

// The title of a group (機能実行, KelTouch, 待機).
int MiniSxRowGroupTitleId(MiniSxRowGroup group);

}  // namespace morvik
