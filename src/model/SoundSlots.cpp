#include "model/SoundSlots.h"

#include <system_error>

#include "model/Cp932.h"
#include "model/Utf8Path.h"
#include "morvik/InstallDirs.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// "wav" beside the program (a build folder, a copy unpacked anywhere) wins; an installed program
// has none beside it and takes the installed data folder's. When neither exists the path beside
// the program is kept, so that a message names where the files were expected.
std::filesystem::path StandardSoundFolder(const std::filesystem::path& programFolder) {
    const std::filesystem::path beside =
        programFolder / PathFromUtf8(res::Text(res::ids::kWaveFolder));
    const std::filesystem::path installed =
        (programFolder / kDataFolderFromPrograms / PathFromUtf8(res::Text(res::ids::kWaveFolder)))
            .lexically_normal();
    std::error_code error;
    if (!std::filesystem::is_directory(beside, error) &&
        std::filesystem::is_directory(installed, error)) {
        return installed;
    }
    return beside;
}

std::string StandardPath(const std::filesystem::path& programFolder, int nameId) {
    const std::filesystem::path path =
        StandardSoundFolder(programFolder) / PathFromUtf8(res::Text(nameId));
    return Utf8ToCp932Lossy(Utf8FromPath(path));
}

template <std::size_t N>
QuickSoundPlan QuickPlan(SoundChoice choice, const std::array<int, N>& keyIds,
                         const std::array<std::string, N>& standardPaths) {
    QuickSoundPlan plan;
    if (choice == SoundChoice::Silent) {
        for (int key : keyIds) {
            plan.keys.emplace_back(res::TextCp932(key), std::to_string(kNoSoundKey));
        }
    } else if (choice == SoundChoice::Standard) {
        SoundPackResult packed = PackSounds(standardPaths);
        if (packed.status != SoundStatus::Ok) {
            plan.status = packed.status;
            plan.failedPath = packed.failedPath;
            return plan;
        }
        plan.upload = true;
        plan.image = std::move(packed.image);
        plan.keys = SoundKeyPairs(keyIds, standardPaths, plan.image);
    }
    return plan;
}

}  // namespace

std::array<std::string, kMiniSoundSlots> StandardMiniSoundPaths(
    const std::filesystem::path& programFolder) {
    const std::string ok = StandardPath(programFolder, res::ids::kStandardSoundOk);
    const std::string ng = StandardPath(programFolder, res::ids::kStandardSoundNg);
    const std::string done = StandardPath(programFolder, res::ids::kStandardSoundKelFin);
    // sov1 snv1 spv1 sob1 snb1 spb1 sov2 snv2 spv2 sob2 snb2 spb2
    return {ok, ng, "", ok, ng, "", done, ng, "", ok, ng, ""};
}

std::array<std::string, kMiniSxSoundSlots> StandardMiniSxSoundPaths(
    const std::filesystem::path& programFolder) {
    const std::string ok = StandardPath(programFolder, res::ids::kStandardSoundOk);
    const std::string ng = StandardPath(programFolder, res::ids::kStandardSoundNg);
    const std::string done = StandardPath(programFolder, res::ids::kStandardSoundKelFin);
    // sov1 snv1 sob1 snb1 sov2 sob2
    return {ok, ng, ok, ng, done, ok};
}

SoundChoice SoundChoiceAt(int listIndex) {
    if (listIndex < 0 || listIndex > static_cast<int>(SoundChoice::Silent)) {
        return SoundChoice::Unchanged;
    }
    return static_cast<SoundChoice>(listIndex);
}

QuickSoundPlan MiniQuickSoundPlan(SoundChoice choice, const std::filesystem::path& programFolder) {
    return QuickPlan(choice, kMiniSoundKeyIds, StandardMiniSoundPaths(programFolder));
}

QuickSoundPlan MiniSxQuickSoundPlan(SoundChoice choice,
                                    const std::filesystem::path& programFolder) {
    return QuickPlan(choice, kMiniSxSoundKeyIds, StandardMiniSxSoundPaths(programFolder));
}

std::vector<std::pair<std::string, std::string>> SoundKeyPairs(
    std::span<const int> keyIds, std::span<const std::string> slotPaths, const SoundImage& image) {
    std::vector<std::pair<std::string, std::string>> pairs;
    const std::vector<int> values = SoundKeyValues(slotPaths, image.packedPaths);
    for (std::size_t i = 0; i < keyIds.size() && i < values.size(); ++i) {
        pairs.emplace_back(res::TextCp932(keyIds[i]), std::to_string(values[i]));
    }
    return pairs;
}

}  // namespace morvik
