#pragma once
// The lamp choice of the easy and service windows: one entry sets the event lamps of both sets
// at once with fixed device codes.

#include <string>
#include <utility>
#include <vector>

#include "res/StringIds.h"

namespace morvik {

// The entries of the lamp choice list, in list order: 現在のランプを変更しない, ブルーパターン,
// グリーンパターン, レインボーパターン, ランプを光らせない.
enum class LampPreset { Unchanged, Blue, Green, Rainbow, Off };
inline constexpr int kLampPresetTextIds[] = {
    res::ids::kLampPresetUnchanged, res::ids::kLampPresetBlue, res::ids::kLampPresetGreen,
    res::ids::kLampPresetRainbow, res::ids::kLampPresetOff};

// The preset at a list position; positions outside the list give Unchanged.
LampPreset LampPresetAt(int listIndex);

// (key, device code) pairs a Mini or MiniS write sends for a preset, in the order of the easy
// and service write: lov1 ... lib1, lov2 ... lib2, then lpv1, lpv2, lpb1, lpb2. Only "Off" sends
// the periodic guidance lamps (22 zeros); the other presets leave them as the terminal has them.
// Unchanged sends nothing.
std::vector<std::pair<std::string, std::string>> MiniPresetLampValues(LampPreset preset);

// The same for a MiniSx: lov1, lnv1, liv1, lob1, lnb1, lib1, then the KelTouch completion lamps
// lov2 and lob2, which take the success codes. A MiniSx has no periodic guidance lamps.
std::vector<std::pair<std::string, std::string>> MiniSxPresetLampValues(LampPreset preset);

}  // namespace morvik
