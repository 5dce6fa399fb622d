#include "model/LampCopy.h"

namespace morvik {

void CopyLampSet(int from, MiniLamps& lamps, MiniLampChoices& choices) {
    if (from != 0 && from != 1) {
        return;
    }
    const int to = 1 - from;
    const auto f = static_cast<std::size_t>(from);
    const auto t = static_cast<std::size_t>(to);
    lamps.sets[t] = lamps.sets[f];
    choices.sets[t] = choices.sets[f];
    for (std::size_t (*row)(int) : {GuidanceAcRow, GuidanceBatteryRow}) {
        lamps.guidance[row(to)] = lamps.guidance[row(from)];
        choices.guidance[row(to)] = choices.guidance[row(from)];
    }
}

}  // namespace morvik
