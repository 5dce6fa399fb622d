#pragma once
// Code page 932 texts that must travel without a silent change: a window's field, a preferences
// file written in UTF-8, a value about to be written or saved. Built on the conversions of
// Cp932.h, on every platform alike.

#include <string>
#include <string_view>

namespace morvik {

// What a character that code page 932 lacks becomes in Utf8ToCp932Marked: a byte that no code
// page 932 text holds, so every character check of the text rules refuses it (where a "?" in
// its place would pass and reach the terminal).
inline constexpr char kNoCp932Form = '\xFF';

// UTF-8 to code page 932, character by character: what the code page lacks (and any byte that
// is not UTF-8) becomes kNoCp932Form, the rest converts as Utf8ToCp932 converts it.
std::string Utf8ToCp932Marked(std::string_view utf8);

// True when every character of the code page 932 text has a Unicode character that converts
// back to the same bytes: no unassigned pair, no stray byte, no character that would come back
// as another one.
bool Cp932ConvertsExactly(std::string_view cp932);

}  // namespace morvik
