#pragma once
// Conversion between code page 932 (the terminal's and the files' encoding) and UTF-8 (what a
// screen or a Unix terminal shows). Only the edges of the program convert; the core keeps
// code-page-932 byte strings.

#include <optional>
#include <string>
#include <string_view>

namespace morvik {

// Converts code page 932 bytes to UTF-8. Bytes that have no character in the code page become
// U+FFFD, so a damaged value can still be shown.
std::string Cp932ToUtf8(std::string_view cp932);

// Converts UTF-8 to code page 932. Characters the code page lacks make the result empty
// (std::nullopt), so a caller can say which text could not be encoded.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Utf8ToCp932 for texts known to be encodable (the program's own string table): a character
// the code page lacks becomes "?".
std::string Utf8ToCp932Lossy(std::string_view utf8);

// True when the system's iconv converts both ways between code page 932 and UTF-8. Some
// systems ship the CP932 table as a separate package; without it every command would go out as
// an empty line and every message would print blank, so each program asks once at start.
bool Cp932ConverterAvailable();

// What a program says (on standard error, plain ASCII: Japanese cannot be shown without the
// table) before it ends because the converter is missing.
const char* Cp932MissingMessage();

// True when the byte starts a double-byte character of code page 932.
constexpr bool IsCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace morvik
