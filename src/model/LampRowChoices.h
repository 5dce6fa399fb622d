#pragma once
// The list selections of the lamp dialogs' rows (colour and pattern list positions). A lamp
// dialog keeps them between openings, beside the patterns they produced, and a copy between sets
// copies them with the patterns.

#include <array>

#include "model/LampSettings.h"

namespace morvik {

struct LampRowChoice {
    int colour = 0;   // position in the colour list
    int pattern = 0;  // position in the row's pattern list (0: keep the current pattern)
    bool operator==(const LampRowChoice&) const = default;
};

// The selections of every lamp row of a Mini or MiniS: the six rows of each set, then the four
// periodic guidance rows (set 1 AC, set 1 battery, set 2 AC, set 2 battery).
struct MiniLampChoices {
    std::array<std::array<LampRowChoice, kLampRowsPerSet>, 2> sets{};
    std::array<LampRowChoice, 4> guidance{};
    bool operator==(const MiniLampChoices&) const = default;
};

}  // namespace morvik
