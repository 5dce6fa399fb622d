#pragma once
// Text from outside the program (a terminal's ID, version or reply) made safe to put on a screen.
// A terminal that sends escape sequences in its ID could otherwise retitle or recolour the
// operator's console, or hide what a message says; every control character is shown as "?".

#include <string>
#include <string_view>

namespace morvik {

// Code page 932 text with every C0 control byte and DEL replaced by "?" (neither can be the
// second byte of a double-byte character). With keepLineEnds, CR, LF and TAB stay, for texts of
// several lines.
std::string ReplaceControlBytes(std::string_view cp932, bool keepLineEnds);

// The same for UTF-8 text, where the C1 controls (U+0080..U+009F, which some consoles also obey)
// are replaced as well.
std::string ReplaceControlChars(std::string_view utf8, bool keepLineEnds);

}  // namespace morvik
