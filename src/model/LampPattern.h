#pragma once
// Lamp patterns of the Mini family. The operator edits a pattern as a short digit string (the
// user pattern): a lamp-count digit ("1" = the indicator lamp only, "8" = all eight lamps)
// followed by one colour digit per time step (0 off, 1 red, 2 blue, 3 green, 4 purple,
// 5 yellow, 6 light blue, 7 white). The terminal stores a fixed-width code of 22 hexadecimal
// digits: a byte with the idle flag and the step count, then one digit per step.

#include <optional>
#include <string>
#include <string_view>

namespace morvik {

// Width of a device lamp code.
inline constexpr std::size_t kLampCodeLength = 22;
// A pattern plays at most 20 steps (2 s at 100 ms, 5 s at the 250 ms steps of idle patterns).
inline constexpr int kLampMaxSteps = 20;
// Lamp-count digit plus at most 20 steps.
inline constexpr std::size_t kUserLampPatternMaxLength = 21;

// The colour bits of the terminal (blue = bit 0, red = bit 1, green = bit 2) for a user colour
// digit 0-7; the table is its own inverse, so it also turns device bits into a user digit.
int LampColourBits(int digit);

// True when text is a well-formed user pattern: empty, or at most 21 characters, the first "1"
// or "8", every further one "0" to "7". The user pattern editor refuses anything else.
bool IsValidUserLampPattern(std::string_view text);

// The device lamp code of a user pattern; idle is set for the waiting lamps (liv, lib), whose
// steps last 250 ms. The empty pattern gives 22 zeros. A text that is not a valid user pattern
// (a hand-edited preferences file can hold anything) gives no code rather than an overlong or
// garbled one.
std::optional<std::string> EncodeLampPattern(std::string_view userPattern, bool idle);

// The user pattern of a device lamp code, or nothing when the code cannot be shown: not 22
// characters, a step count above 20, or a step that is not a hexadecimal digit. A code whose
// steps are all off gives the empty pattern.
std::optional<std::string> DecodeLampCode(std::string_view code);

}  // namespace morvik
