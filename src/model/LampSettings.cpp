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
            failed += res::TextCp932(res::ids::kLampGroupSeparator);
        }
        failed += res::TextCp932(nameId);
    };
    if (!DecodeLampGroup(codes.sets[0], patterns.sets[0])) {
        note(res::ids::kSet1);
    }
    if (!DecodeLampGroup(codes.sets[1], patterns.sets[1])) {
        note(res::ids::kSet2);
    }
    if (!DecodeLampGroup(codes.guidance, patterns.guidance)) {
        note(res::ids::kGuidanceSettings);
    }
    if (failed.empty()) {
        return {};
    }
    return res::Format(res::TextCp932(res::ids::kLampValueInvalidInGroup), failed.c_str());
}

std::optional<MiniSXLamps> EncodeMiniSXLamps(const MiniSXLamps& patterns) {
    return EncodeGroup(patterns, [](std::size_t i) {
        return IsIdleLampKey(res::TextCp932(kMiniSXLampKeyIds[i]));
    });
}

std::string DecodeMiniSXLamps(const MiniSXLamps& codes, MiniSXLamps& patterns) {
    if (DecodeLampGroup(codes, patterns)) {
        return {};
    }
    return res::TextCp932(res::ids::kLampValueInvalid);
}

}  // namespace morvik
