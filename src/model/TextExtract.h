#pragma once
// Taking values out of replies, settings files and packed function records.

#include <cstddef>
#include <string>
#include <string_view>

namespace morvik {

// What TakeEscapedCharacters cut: the escaped piece, the raw bytes it spans, and whether the
// text held all the characters asked for.
struct TakenCharacters {
    std::string piece;
    std::size_t rawCount = 0;
    bool complete = false;
};

// Take escaped characters: cuts a field of count characters (a backslash pair counts as one,
// since the record's lengths count unescaped bytes) from an escaped record at byte start.
// A start plus count past the end of the text gives an empty, incomplete result.
TakenCharacters TakeEscapedCharacters(std::string_view text, std::size_t start, std::size_t count);

// Value between markers: the text strictly between the first start marker and the next end
// marker after it; empty when either is missing.
std::string ValueBetweenMarkers(std::string_view text, std::string_view startMarker,
                                std::string_view endMarker);

// Trim right: the text without its trailing run of characters from the given set.
std::string TrimRight(std::string_view text, std::string_view characters);

// Position of the first occurrence of needle at a character boundary at or after from (which
// must be a boundary itself), or npos. A trail byte never starts a match.
std::size_t FindCharacterWise(std::string_view text, std::string_view needle, std::size_t from = 0);

}  // namespace morvik
