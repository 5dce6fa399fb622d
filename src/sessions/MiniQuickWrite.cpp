#include "sessions/MiniQuickWrite.h"

#include "model/Escape.h"
#include "model/FunctionRecordBuild.h"
#include "model/FunctionRecordValidate.h"
#include "model/MiniCatalogue.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// The service window's limits leave room for the encrypted query the terminal appends.
constexpr QuickLimits kEasyLimits{record_limits::kBrowserUrl, record_limits::kBrowserMessage,
                                  record_limits::kBrowserTotal};
constexpr QuickLimits kServiceLimits{109, 108, 109};

// Append and encrypt for the docomo group (bits 0, 1) and for the other group (bits 2, 3).
constexpr int kServiceQueryFlags = 15;

constexpr std::array<int, 4> kRecordKeyIds = {ids::kKeyPsA1, ids::kKeyPsB1, ids::kKeyPsA2,
                                              ids::kKeyPsB2};
constexpr std::array<int, 2> kQueryKeyIds = {ids::kKeyQue1, ids::kKeyQue2};

int Size(std::string_view text) {
    return static_cast<int>(text.size());
}

void Add(std::vector<MiniKeyValue>& values, const std::string& key, std::string value) {
    const MiniParameter* parameter = FindMiniParameter(key);
    values.push_back({parameter != nullptr ? parameter->keyId : 0, key, std::move(value)});
}

}  // namespace

QuickLimits MiniQuickLimits(QuickWindow window) {
    return window == QuickWindow::Service ? kServiceLimits : kEasyLimits;
}

std::vector<std::string> ValidateMiniQuick(const MiniQuickSettings& quick) {
    const QuickLimits limits = MiniQuickLimits(quick.window);
    std::vector<std::string> out;
    auto add = [&out](int id) { out.push_back(res::TextCp932(id)); };
    auto addLimit = [&out](int id, int limit) {
        out.push_back(res::Format(res::TextCp932(id), limit));
    };
    if (quick.url.empty()) {
        add(ids::kUrlEmpty);
    }
    if (!IsUrlText(quick.url)) {
        add(ids::kUrlInvalidChars);
    }
    if (Size(quick.url) > limits.url) {
        addLimit(ids::kUrlTooLong, limits.url);
    }
    // The message is tested as it travels in a record: with its line breaks and spaces escaped.
    const std::string message = CheckEscape(quick.message);
    if (!IsDeviceText(message)) {
        add(ids::kBrowserMessageInvalidChars);
    }
    if (Size(message) > limits.message) {
        addLimit(ids::kBrowserMessageTooLong, limits.message);
    }
    if (ValidationSize(BrowserRecord{quick.url, quick.message}) > limits.total) {
        addLimit(ids::kBrowserTotalTooLarge, limits.total);
    }
    return out;
}

int MiniQuickQueryFlags(QuickWindow window) {
    return window == QuickWindow::Service ? kServiceQueryFlags : 0;
}

MiniQuickPlan MiniFamilyQuickPlan(const MiniQuickSettings& quick, QuickSoundPlan sound,
                                  const std::vector<std::pair<std::string, std::string>>& lamps) {
    MiniQuickPlan plan;
    if (sound.status != SoundStatus::Ok) {
        plan.problem = SoundFailureText(sound.status);
        return plan;
    }
    plan.upload = sound.upload;
    plan.image = std::move(sound.image);

    // One browser launch for every group of both sets, escaped whole as a write sends it.
    const std::string record = TransferEscape(
        BuildRecord(BrowserRecord{quick.url, quick.message}, RecordTarget::Terminal));
    for (int keyId : kRecordKeyIds) {
        Add(plan.values, res::TextCp932(keyId), record);
    }
    const std::string flags = std::to_string(MiniQuickQueryFlags(quick.window));
    for (int keyId : kQueryKeyIds) {
        Add(plan.values, res::TextCp932(keyId), flags);
    }
    for (auto& [key, value] : sound.keys) {
        Add(plan.values, key, std::move(value));
    }
    for (const auto& [key, value] : lamps) {
        Add(plan.values, key, value);
    }
    return plan;
}

MiniQuickPlan BuildMiniQuickPlan(const MiniQuickSettings& quick,
                                 const std::filesystem::path& programFolder) {
    return MiniFamilyQuickPlan(quick, MiniQuickSoundPlan(quick.sound, programFolder),
                               MiniPresetLampValues(quick.lamp));
}

}  // namespace morvik
