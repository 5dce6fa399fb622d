#pragma once
// The lamp dialogs build each row's user pattern from two lists: a pattern list (keep the
// current pattern, one of the fixed patterns, one of the three user patterns, or no light) and a
// colour list that recolours the fixed patterns.

#include <array>
#include <string>
#include <string_view>

#include "res/StringIds.h"

namespace morvik {

// The three user patterns kept in the preferences ("userlamp1" to "userlamp3").
using UserLampPatterns = std::array<std::string, 3>;

// The colour list: 赤, 青, 緑, 紫, 黄色, 水色, 白; colour index i stands for user digit i + 1.
inline constexpr int kLampColourCount = 7;
inline constexpr std::array<int, kLampColourCount> kLampColourTextIds = {
    res::ids::kColorRed,    res::ids::kColorBlue,   res::ids::kColorGreen,
    res::ids::kColorPurple, res::ids::kColorYellow, res::ids::kColorLightBlue,
    res::ids::kColorWhite};

// Entries of the pattern lists. Success, failure and periodic guidance rows offer every entry
// (11); the idle rows offer only the first four fixed patterns (9 entries).
enum class LampPatternEntry {
    Unchanged,
    Fixed1,
    Fixed2,
    Fixed3,
    Fixed4,
    Fixed5,
    Fixed6,
    User1,
    User2,
    User3,
    Off,
};

// The string table id of an entry's text in a row's list (the idle list names its fixed
// patterns by their 5 s and 3 s timings).
int LampPatternTextId(LampPatternEntry entry, bool idle);

// Number of entries of a row's pattern list.
int LampPatternListSize(bool idle);

// The entry at a list position of a row's pattern list; positions outside the list give
// Unchanged, so a list without a selection leaves the row as it is.
LampPatternEntry LampPatternAt(int listIndex, bool idle);

// The list position of an entry in a row's pattern list, or -1 when the list lacks it (Fixed5
// and Fixed6 in the idle list).
int LampPatternListIndex(LampPatternEntry entry, bool idle);

// True for the fixed patterns: only they use the colour list, which the dialogs enable then.
bool IsFixedLampPattern(LampPatternEntry entry);

// The digit form of a fixed pattern with "1" standing for every lit step.
std::string_view FixedLampPatternTemplate(LampPatternEntry entry);

// The user pattern a row shows for its list selections. A colour index outside the list counts
// as the first colour (red), so a fixed pattern always comes out well-formed.
std::string BuildLampPattern(int colourIndex, LampPatternEntry entry, std::string_view current,
                             const UserLampPatterns& userPatterns);

// The same, from list positions as the dialogs hold them.
std::string BuildLampPatternFromLists(int colourIndex, int patternListIndex, bool idle,
                                      std::string_view current,
                                      const UserLampPatterns& userPatterns);

}  // namespace morvik
