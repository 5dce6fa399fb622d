#pragma once
// What a lamp pattern looks like while it plays, step by step: the model behind the preview
// beside every lamp row. It answers "which colour does lamp i show at step k" from a user
// pattern, so the preview draws exactly what the rules say and tests read it without pixels.
//
// Timing: a step lasts 100 ms, or 250 ms for the idle lamps, as the lamp code format says (bit 7
// of the code's first byte marks the 250 ms steps). The preview repeats the steps without a
// pause; how often and how long the terminal itself repeats a pattern is the terminal's own
// business, so the looping is an approximation.

#include <cstdint>
#include <string_view>
#include <vector>

namespace morvik {

inline constexpr int kLampStepMs = 100;
inline constexpr int kIdleLampStepMs = 250;
// A terminal has eight lamps; lamp 0 stands for the indicator lamp that "1" patterns light.
inline constexpr int kLampCount = 8;

struct LampTimeline {
    int litLamps = 0;        // 0 (nothing lights), 1 (the indicator lamp) or 8 (all lamps)
    std::vector<int> steps;  // the user colour digit (0 off ... 7 white) of each step
    int stepMs = kLampStepMs;

    int Length() const { return static_cast<int>(steps.size()); }
};

// The timeline of a user pattern; an empty pattern, or one that is not a valid user pattern,
// gives a timeline without steps (every lamp dark).
LampTimeline MakeLampTimeline(std::string_view userPattern, bool idle);

// The user colour digit lamp (0..7) shows at step (counted from the start, repeating): 0 for a
// lamp the pattern does not light and for an empty timeline.
int LampDigitAt(const LampTimeline& timeline, int lamp, int step);

// The colour a digit is drawn in, 0xRRGGBB (off is black).
std::uint32_t LampDigitRgb(int digit);

}  // namespace morvik
