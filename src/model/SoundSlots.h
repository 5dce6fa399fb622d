#pragma once
// The sound slots of the Mini family and the standard sounds shipped with the tool. A Mini or
// MiniS has twelve slots (success, failure and periodic guidance, for AC and battery power, in
// two sets); a MiniSx has six (function success and failure for AC and battery, and the KelTouch
// completion sound for AC and battery).

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/SoundImage.h"
#include "res/StringIds.h"

namespace morvik {

inline constexpr std::size_t kMiniSoundSlots = 12;
inline constexpr std::size_t kMiniSxSoundSlots = 6;

// Terminal keys in slot order (string table ids); the settings file keys are these followed by
// "path".
inline constexpr std::array<int, kMiniSoundSlots> kMiniSoundKeyIds = {
    res::ids::kKeySov1, res::ids::kKeySnv1, res::ids::kKeySpv1, res::ids::kKeySob1,
    res::ids::kKeySnb1, res::ids::kKeySpb1, res::ids::kKeySov2, res::ids::kKeySnv2,
    res::ids::kKeySpv2, res::ids::kKeySob2, res::ids::kKeySnb2, res::ids::kKeySpb2};
inline constexpr std::array<int, kMiniSxSoundSlots> kMiniSxSoundKeyIds = {
    res::ids::kKeySov1, res::ids::kKeySnv1, res::ids::kKeySob1,
    res::ids::kKeySnb1, res::ids::kKeySov2, res::ids::kKeySob2};

// The folder the running program was started from (where the "wav" folder sits).
std::filesystem::path ProgramFolder();

// The standard sounds (mini_ok.wav, mini_ng.wav, kel_fin.wav) lie in the folder "wav" beside the
// program. The standard assignment for twelve slots: mini_ok to the success slots of set 1 and to
// the battery success slot of set 2, kel_fin to set 2's AC success slot (the MiniS plays it when a
// KelTouch completes), mini_ng to every failure slot, periodic guidance slots empty. Paths are
// programFolder/wav/<name>, in code page 932 as the settings hold them; an installed program has
// no "wav" beside it and takes the one of the installed data folder instead.
std::array<std::string, kMiniSoundSlots> StandardMiniSoundPaths(
    const std::filesystem::path& programFolder);

// The same for the six MiniSx slots: mini_ok to sov1, sob1 and sob2, mini_ng to snv1 and snb1,
// kel_fin to sov2.
std::array<std::string, kMiniSxSoundSlots> StandardMiniSxSoundPaths(
    const std::filesystem::path& programFolder);

// The sound choice of the easy and service windows, in list order: 現在の音声を変更しない,
// 標準音声を鳴らす, 音声を鳴らさない.
enum class SoundChoice { Unchanged, Standard, Silent };
inline constexpr std::array<int, 3> kSoundChoiceTextIds = {
    res::ids::kSoundChoiceUnchanged, res::ids::kSoundChoiceStandard, res::ids::kSoundChoiceSilent};

// The choice at a list position; positions outside the list give Unchanged.
SoundChoice SoundChoiceAt(int listIndex);

// What a quick write does for its sound choice: whether an image is uploaded, the image, and the
// (key, value) pairs to send in slot order. Unchanged uploads nothing and sends no key; Silent
// sends 255 for every key; Standard packs the standard files. status is not Ok when the standard
// files cannot be packed (then nothing may be sent).
struct QuickSoundPlan {
    SoundStatus status = SoundStatus::Ok;
    std::string failedPath;
    bool upload = false;
    SoundImage image;
    std::vector<std::pair<std::string, std::string>> keys;
};

QuickSoundPlan MiniQuickSoundPlan(SoundChoice choice, const std::filesystem::path& programFolder);
QuickSoundPlan MiniSxQuickSoundPlan(SoundChoice choice, const std::filesystem::path& programFolder);

// The (key, value) pairs of the sound keys (string table ids) for slot paths and the image
// packed from them.
std::vector<std::pair<std::string, std::string>> SoundKeyPairs(
    std::span<const int> keyIds, std::span<const std::string> slotPaths, const SoundImage& image);

}  // namespace morvik
