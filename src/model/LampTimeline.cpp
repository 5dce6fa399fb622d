#include "model/LampTimeline.h"

#include "model/LampPattern.h"

namespace morvik {

LampTimeline MakeLampTimeline(std::string_view userPattern, bool idle) {
    LampTimeline timeline;
    timeline.stepMs = idle ? kIdleLampStepMs : kLampStepMs;
    if (userPattern.empty() || !IsValidUserLampPattern(userPattern)) {
        return timeline;
    }
    timeline.litLamps = userPattern.front() == '8' ? kLampCount : 1;
    for (char c : userPattern.substr(1)) {
        timeline.steps.push_back(c - '0');
    }
    return timeline;
}

int LampDigitAt(const LampTimeline& timeline, int lamp, int step) {
    if (timeline.steps.empty() || lamp < 0 || lamp >= timeline.litLamps || step < 0) {
        return 0;
    }
    return timeline.steps[static_cast<std::size_t>(step % timeline.Length())];
}

std::uint32_t LampDigitRgb(int digit) {
    // off, red, blue, green, purple, yellow, light blue, white
    static constexpr std::uint32_t kRgb[] = {0x000000, 0xe02020, 0x2060ff, 0x20c040,
                                             0xa040e0, 0xf0d000, 0x40d0f0, 0xffffff};
    if (digit < 0 || digit > 7) {
        return kRgb[0];
    }
    return kRgb[digit];
}

}  // namespace morvik
