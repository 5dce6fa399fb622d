#include "sessions/MiniSxQuickWrite.h"

#include "model/LampPresets.h"
#include "model/SoundSlots.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// The setting switch value "use the basic settings for smartphones too".
constexpr int kSwitchBasicForAll = 0;

void Add(std::vector<MiniKeyValue>& values, int keyId, int value) {
    values.push_back({keyId, res::TextCp932(keyId), std::to_string(value)});
}

}  // namespace

MiniQuickPlan BuildMiniSxQuickPlan(const MiniQuickSettings& quick,
                                   const std::filesystem::path& programFolder) {
    MiniQuickPlan plan =
        MiniFamilyQuickPlan(quick, MiniSxQuickSoundPlan(quick.sound, programFolder),
                            MiniSxPresetLampValues(quick.lamp));
    plan.edition = kEditionMiniSx;
    if (!plan.problem.empty()) {
        return plan;
    }
    Add(plan.values, ids::kKeyFchg, kSwitchBasicForAll);
    Add(plan.values, ids::kKeyNfc, kNfcModeBrowser);
    plan.ndef = MiniSxNfcSettings{
        kNfcModeBrowser, quick.window == QuickWindow::Service ? kNfcQueryEncrypted : kNfcQueryNone,
        quick.url};
    return plan;
}

}  // namespace morvik
