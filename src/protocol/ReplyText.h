#pragma once
// Small text operations of the exchange on raw replies (code page 932 bytes).

#include <string>
#include <string_view>

namespace morvik {

// The second word of a command line: the text between its first and second space, the line being
// taken with one space added ("pget que1" gives "que1", "ver" gives nothing).
std::string ParameterName(const std::string& line);

// Every zero byte from position from on becomes a space (a terminal pads with them at times, and
// they would end every C string search early).
void ReplaceZeroBytes(std::string& text, size_t from);

// Removes every occurrence of what, left to right, without rescanning what was joined.
void RemoveAll(std::string& text, std::string_view what);

// Removes spaces at both ends.
void TrimSpaces(std::string& text);

// The word that follows marker in text (searched in text with one space added), up to the next
// space; empty when the marker does not occur.
std::string WordAfter(const std::string& text, const std::string& marker);

}  // namespace morvik
