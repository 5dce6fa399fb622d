#include "sessions/MiniSxQuickWrite.h"

#include <array>

#include "model/Escape.h"
#include "model/FunctionRecordBuild.h"
#include "model/LampPresets.h"
#include "model/SoundSlots.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array<int, 4> kRecordKeyIds = {ids::kKeyPsA1, ids::kKeyPsB1, ids::kKeyPsA2,
                                              ids::kKeyPsB2};
constexpr std::array<int, 2> kQueryKeyIds = {ids::kKeyQue1, ids::kKeyQue2};
// The setting switch value "use the basic settings for smartphones too".
constexpr int kSwitchBasicForAll = 0;

void Add(std::vector<MiniKeyValue>& values, int keyId, std::string value) {
    values.push_back({keyId, res::TextCp932(keyId), std::move(value)});
}

// Sound and lamp keys come as texts; their ids are not needed to send them.
void Add(std::vector<MiniKeyValue>& values, std::string key, std::string value) {
    values.push_back({0, std::move(key), std::move(value)});
}

}  // namespace

MiniSXQuickPlan BuildMiniSXQuickPlan(const MiniQuickSettings& quick,
                                     const std::filesystem::path& programFolder) {
    MiniSXQuickPlan plan;
    QuickSoundPlan sound = MiniSXQuickSoundPlan(quick.sound, programFolder);
    if (sound.status != SoundStatus::Ok) {
        const bool unreadable =
            sound.status == SoundStatus::CannotOpen || sound.status == SoundStatus::SizeUnknown;
        plan.problem = res::TextCp932(unreadable ? ids::kFileOpenFailed : ids::kSoundFileInvalid);
        return plan;
    }
    plan.upload = sound.upload;
    plan.image = std::move(sound.image);

    const std::string record = TransferEscape(
        BuildRecord(BrowserRecord{quick.url, quick.message}, RecordTarget::Terminal));
    for (int keyId : kRecordKeyIds) {
        Add(plan.values, keyId, record);
    }
    const std::string flags = std::to_string(MiniQuickQueryFlags(quick.window));
    for (int keyId : kQueryKeyIds) {
        Add(plan.values, keyId, flags);
    }
    for (auto& [key, value] : sound.keys) {
        Add(plan.values, std::move(key), std::move(value));
    }
    for (auto& [key, value] : MiniSXPresetLampValues(quick.lamp)) {
        Add(plan.values, std::move(key), std::move(value));
    }
    Add(plan.values, ids::kKeyFchg, std::to_string(kSwitchBasicForAll));
    Add(plan.values, ids::kKeyNfc, std::to_string(kNfcModeBrowser));
    plan.nfc.mode = kNfcModeBrowser;
    plan.nfc.query = quick.window == QuickWindow::Service ? kNfcQueryEncrypted : kNfcQueryNone;
    plan.nfc.url = quick.url;
    return plan;
}

}  // namespace morvik
