#pragma once
// What the copy between the two sets of the detailed settings window copies of the lamps: the
// six event rows of the set and its two periodic guidance rows (AC and battery), patterns and
// list selections alike.

#include "model/LampRowChoices.h"
#include "model/LampSettings.h"

namespace morvik {

// Copies set from (0 or 1) onto the other set.
void CopyLampSet(int from, MiniLamps& lamps, MiniLampChoices& choices);

// The two periodic guidance rows of a set: (AC, battery) positions in the guidance arrays.
inline constexpr std::size_t GuidanceAcRow(int set) {
    return static_cast<std::size_t>(set) * 2;
}
inline constexpr std::size_t GuidanceBatteryRow(int set) {
    return static_cast<std::size_t>(set) * 2 + 1;
}

}  // namespace morvik
