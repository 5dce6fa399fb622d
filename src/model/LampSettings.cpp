#include "model/LampSettings.h"

#include <algorithm>
#include <vector>

#include "model/LampPattern.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// Encodes a group of patterns; idleOf says which of them are idle lamps.
template <std::size_t N, typename IdleOf>
std::optional<std::array<std::string, N>> EncodeGroup(const std::array<std::string, N>& patterns,
                                                      IdleOf idleOf) {
    std::array<std::string, N> codes;
    for (std::size_t i = 0; i < N; ++i) {
        auto code = EncodeLampPattern(patterns[i], idleOf(i));
        if (!code) {
            return std::nullopt;
        }
        codes[i] = std::move(*code);
    }
    return codes;
}

}  // namespace

bool IsIdleLampRow(std::size_t row) {
    return row == 2 || row == 5;
}

bool IsIdleLampKey(std::string_view key) {
    for (int id :
         {res::ids::kKeyLiv1, res::ids::kKeyLib1, res::ids::kKeyLiv2, res::ids::kKeyLib2}) {
        if (key == res::TextCp932(id)) {
            return true;
        }
    }
    return false;
}

std::optional<MiniLamps> EncodeMiniLamps(const MiniLamps& patterns) {
    MiniLamps codes;
    for (std::size_t set = 0; set < 2; ++set) {
        auto group = EncodeGroup(patterns.sets[set], IsIdleLampRow);
        if (!group) {
            return std::nullopt;
        }
        codes.sets[set] = std::move(*group);
    }
    // Periodic guidance lamps play at 100 ms steps like the success and failure lamps.
    auto guidance = EncodeGroup(patterns.guidance, [](std::size_t) { return false; });
    if (!guidance) {
        return std::nullopt;
    }
    codes.guidance = std::move(*guidance);
    return codes;
}

std::vector<std::size_t> DecodeLampGroup(std::span<const std::string> codes,
                                         std::span<std::string> patterns) {
    std::vector<std::size_t> failed;
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        std::optional<std::string> pattern =
            i < codes.size() ? DecodeLampCode(codes[i]) : std::nullopt;
        if (!pattern) {
            failed.push_back(i);
        }
        patterns[i] = pattern.value_or(std::string());
    }
    return failed;
}

std::string DecodeMiniLamps(const MiniLamps& codes, MiniLamps& patterns) {
    // Each bad row named as its lamp dialog shows it: "設定1(電池利用時 待機)".
    constexpr int kRowIds[] = {res::ids::kRowSuccess, res::ids::kRowFailure, res::ids::kRowIdle};
    constexpr int kSetIds[] = {res::ids::kSet1, res::ids::kSet2};
    std::string failed;
    auto note = [&failed](int groupId, int firstId, int secondId) {
        if (!failed.empty()) {
            failed += res::TextCp932(res::ids::kLampGroupSeparator);
        }
        failed +=
            res::Format(res::TextCp932(res::ids::kLampRowName), res::TextCp932(groupId).c_str(),
                        res::TextCp932(firstId).c_str(), res::TextCp932(secondId).c_str());
    };
    for (std::size_t set = 0; set < 2; ++set) {
        for (std::size_t row : DecodeLampGroup(codes.sets[set], patterns.sets[set])) {
            note(kSetIds[set], row < 3 ? res::ids::kPowerAc : res::ids::kPowerBattery,
                 kRowIds[row % 3]);
        }
    }
    for (std::size_t row : DecodeLampGroup(codes.guidance, patterns.guidance)) {
        note(res::ids::kGuidanceSettings, kSetIds[row / 2],
             row % 2 == 0 ? res::ids::kPowerAc : res::ids::kPowerBattery);
    }
    if (failed.empty()) {
        return {};
    }
    return res::Format(res::TextCp932(res::ids::kLampValueInvalidInGroup), failed.c_str());
}

std::optional<MiniSxLamps> EncodeMiniSxLamps(const MiniSxLamps& patterns) {
    return EncodeGroup(patterns, [](std::size_t i) {
        return IsIdleLampKey(res::TextCp932(kMiniSxLampKeyIds[i]));
    });
}

std::string DecodeMiniSxLamps(const MiniSxLamps& codes, MiniSxLamps& patterns) {
    if (DecodeLampGroup(codes, patterns).empty()) {
        return {};
    }
    return res::TextCp932(res::ids::kLampValueInvalid);
}

}  // namespace morvik
