#include "model/LampPresets.h"

#include <array>
#include <string_view>

#include "model/LampSettings.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// AC success, AC failure, AC idle, battery success, battery failure, battery idle: the same
// six codes go to both sets. They are written as they stand, upper-case digits included.
using PresetCodes = std::array<std::string_view, kLampRowsPerSet>;

constexpr PresetCodes kBlue = {"0A99999999990000000000", "14AA00AA00AA00AA00AA00",
                               "8D00009000000000000000", "0A11111111110000000000",
                               "1422002200220022002200", "8D00001000000000000000"};
constexpr PresetCodes kGreen = {"0ACCCCCCCCCC0000000000", "14AA00AA00AA00AA00AA00",
                                "8D0000C000000000000000", "0A44444444440000000000",
                                "1422002200220022002200", "8D00004000000000000000"};
constexpr PresetCodes kRainbow = {"0CAECD9BAECD9B00000000", "14AA00AA00AA00AA00AA00",
                                  "86AECD9B00000000000000", "0C26451326451300000000",
                                  "1422002200220022002200", "8626451300000000000000"};
constexpr std::string_view kDark = "0000000000000000000000";
constexpr PresetCodes kOff = {kDark, kDark, kDark, kDark, kDark, kDark};

constexpr std::size_t kAcSuccessRow = 0;
constexpr std::size_t kBatterySuccessRow = 3;

const PresetCodes* CodesOf(LampPreset preset) {
    switch (preset) {
        case LampPreset::Blue:
            return &kBlue;
        case LampPreset::Green:
            return &kGreen;
        case LampPreset::Rainbow:
            return &kRainbow;
        case LampPreset::Off:
            return &kOff;
        default:
            return nullptr;
    }
}

}  // namespace

LampPreset LampPresetAt(int listIndex) {
    if (listIndex < 0 || listIndex > static_cast<int>(LampPreset::Off)) {
        return LampPreset::Unchanged;
    }
    return static_cast<LampPreset>(listIndex);
}

std::vector<std::pair<std::string, std::string>> MiniPresetLampValues(LampPreset preset) {
    std::vector<std::pair<std::string, std::string>> values;
    const PresetCodes* codes = CodesOf(preset);
    if (codes == nullptr) {
        return values;
    }
    for (const auto& keys : kMiniSetLampKeyIds) {
        for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
            values.emplace_back(res::TextCp932(keys[row]), std::string((*codes)[row]));
        }
    }
    if (preset == LampPreset::Off) {
        for (int key :
             {res::ids::kKeyLpv1, res::ids::kKeyLpv2, res::ids::kKeyLpb1, res::ids::kKeyLpb2}) {
            values.emplace_back(res::TextCp932(key), std::string(kDark));
        }
    }
    return values;
}

std::vector<std::pair<std::string, std::string>> MiniSxPresetLampValues(LampPreset preset) {
    std::vector<std::pair<std::string, std::string>> values;
    const PresetCodes* codes = CodesOf(preset);
    if (codes == nullptr) {
        return values;
    }
    for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
        values.emplace_back(res::TextCp932(kMiniSxLampKeyIds[row]), std::string((*codes)[row]));
    }
    values.emplace_back(res::TextCp932(kMiniSxLampKeyIds[6]), std::string((*codes)[kAcSuccessRow]));
    values.emplace_back(res::TextCp932(kMiniSxLampKeyIds[7]),
                        std::string((*codes)[kBatterySuccessRow]));
    return values;
}

}  // namespace morvik
