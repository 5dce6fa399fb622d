#include "model/LampChoices.h"

namespace morvik {
namespace {

// The order of the success/failure list; the idle list is the same without Fixed5 and Fixed6.
constexpr std::array<LampPatternEntry, 11> kFullList = {
    LampPatternEntry::Unchanged, LampPatternEntry::Fixed1, LampPatternEntry::Fixed2,
    LampPatternEntry::Fixed3,    LampPatternEntry::Fixed4, LampPatternEntry::Fixed5,
    LampPatternEntry::Fixed6,    LampPatternEntry::User1,  LampPatternEntry::User2,
    LampPatternEntry::User3,     LampPatternEntry::Off,
};
constexpr std::array<LampPatternEntry, 9> kIdleList = {
    LampPatternEntry::Unchanged, LampPatternEntry::Fixed1, LampPatternEntry::Fixed2,
    LampPatternEntry::Fixed3,    LampPatternEntry::Fixed4, LampPatternEntry::User1,
    LampPatternEntry::User2,     LampPatternEntry::User3,  LampPatternEntry::Off,
};

}  // namespace

int LampPatternTextId(LampPatternEntry entry, bool idle) {
    if (idle && entry >= LampPatternEntry::Fixed1 && entry <= LampPatternEntry::Fixed4) {
        return res::ids::kIdlePatternFixed1 + (static_cast<int>(entry) - 1);
    }
    return res::ids::kPatternUnchanged + static_cast<int>(entry);
}

int LampPatternListSize(bool idle) {
    return idle ? static_cast<int>(kIdleList.size()) : static_cast<int>(kFullList.size());
}

LampPatternEntry LampPatternAt(int listIndex, bool idle) {
    if (listIndex < 0 || listIndex >= LampPatternListSize(idle)) {
        return LampPatternEntry::Unchanged;
    }
    const auto i = static_cast<std::size_t>(listIndex);
    return idle ? kIdleList[i] : kFullList[i];
}

int LampPatternListIndex(LampPatternEntry entry, bool idle) {
    for (int i = 0; i < LampPatternListSize(idle); ++i) {
        if (LampPatternAt(i, idle) == entry) {
            return i;
        }
    }
    return -1;
}

bool IsFixedLampPattern(LampPatternEntry entry) {
    return entry >= LampPatternEntry::Fixed1 && entry <= LampPatternEntry::Fixed6;
}

std::string_view FixedLampPatternTemplate(LampPatternEntry entry) {
    switch (entry) {
        case LampPatternEntry::Fixed1:  // blinks the indicator for 2 s
            return "111001100110011001100";
        case LampPatternEntry::Fixed2:  // blinks all lamps for 2 s
            return "811001100110011001100";
        case LampPatternEntry::Fixed3:  // one short flash of the indicator per cycle
            return "10000100000000";
        case LampPatternEntry::Fixed4:  // one short flash of all lamps per cycle
            return "80000100000000";
        case LampPatternEntry::Fixed5:  // the indicator on for 1 s
            return "11111111111";
        case LampPatternEntry::Fixed6:  // all lamps on for 1 s
            return "81111111111";
        default:
            return {};
    }
}

std::string BuildLampPattern(int colourIndex, LampPatternEntry entry, std::string_view current,
                             const UserLampPatterns& userPatterns) {
    switch (entry) {
        case LampPatternEntry::Unchanged:
            return std::string(current);
        case LampPatternEntry::User1:
            return userPatterns[0];
        case LampPatternEntry::User2:
            return userPatterns[1];
        case LampPatternEntry::User3:
            return userPatterns[2];
        case LampPatternEntry::Off:
            return std::string();
        default:
            break;
    }
    if (colourIndex < 0 || colourIndex >= kLampColourCount) {
        colourIndex = 0;
    }
    const char colour = static_cast<char>('1' + colourIndex);
    std::string pattern(FixedLampPatternTemplate(entry));
    // The first character is the lamp count, not a step: it keeps its "1" or "8".
    for (std::size_t i = 1; i < pattern.size(); ++i) {
        if (pattern[i] != '0') {
            pattern[i] = colour;
        }
    }
    return pattern;
}

std::string BuildLampPatternFromLists(int colourIndex, int patternListIndex, bool idle,
                                      std::string_view current,
                                      const UserLampPatterns& userPatterns) {
    return BuildLampPattern(colourIndex, LampPatternAt(patternListIndex, idle), current,
                            userPatterns);
}

}  // namespace morvik
