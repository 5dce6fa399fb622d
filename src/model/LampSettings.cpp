#include "model/LampSettings.h"

#include <algorithm>
#include <vector>

#include "model/LampPattern.h"
#include "res/Strings.h"

namespace morvik {
namespace {

constexpr int kMsgLampGroupInvalid = 388;
constexpr int kMsgGroupGuidance = 389;
constexpr int kMsgGroupSet1 = 390;
constexpr int kMsgGroupSet2 = 391;
constexpr int kMsgMiniSXLampInvalid = 993;

constexpr std::string_view kGroupSeparator = ", ";

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
    return key == "liv1" || key == "lib1" || key == "liv2" || key == "lib2";
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

bool DecodeLampGroup(std::span<const std::string> codes, std::span<std::string> patterns) {
    if (codes.size() != patterns.size()) {
        return false;
    }
    std::vector<std::string> decoded;
    decoded.reserve(codes.size());
    for (const std::string& code : codes) {
        auto pattern = DecodeLampCode(code);
        if (!pattern) {
            return false;
        }
        decoded.push_back(std::move(*pattern));
    }
    std::move(decoded.begin(), decoded.end(), patterns.begin());
    return true;
}

std::string DecodeMiniLamps(const MiniLamps& codes, MiniLamps& patterns) {
    std::string failed;
    auto note = [&failed](int nameId) {
        if (!failed.empty()) {
            failed += kGroupSeparator;
        }
        failed += res::TextCp932(nameId);
    };
    if (!DecodeLampGroup(codes.sets[0], patterns.sets[0])) {
        note(kMsgGroupSet1);
    }
    if (!DecodeLampGroup(codes.sets[1], patterns.sets[1])) {
        note(kMsgGroupSet2);
    }
    if (!DecodeLampGroup(codes.guidance, patterns.guidance)) {
        note(kMsgGroupGuidance);
    }
    if (failed.empty()) {
        return {};
    }
    return res::Format(res::TextCp932(kMsgLampGroupInvalid), failed.c_str());
}

std::optional<MiniSXLamps> EncodeMiniSXLamps(const MiniSXLamps& patterns) {
    return EncodeGroup(patterns, [](std::size_t i) { return IsIdleLampKey(kMiniSXLampKeys[i]); });
}

std::string DecodeMiniSXLamps(const MiniSXLamps& codes, MiniSXLamps& patterns) {
    if (DecodeLampGroup(codes, patterns)) {
        return {};
    }
    return res::TextCp932(kMsgMiniSXLampInvalid);
}

}  // namespace morvik
