#pragma once
// The terminal's own handling of value texts: the backslash escapes of values, the checksum
// tokens it answers writes with, and the packed form (zlib + Base64) of the authentication code.
// The simulator deliberately does not borrow the tool's text code: a terminal that shared the
// tool's mistakes could not reveal them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvik::sim {

// True for the first byte of a double-byte code page 932 character.
bool IsLeadByte(unsigned char c);

// The escaped form in which values travel: "\" -> "\\", CR LF -> "\r\n", space -> "\s", and a
// further backslash after every double-byte character whose second byte is a backslash.
std::string EscapeValue(std::string_view raw);

// The inverse of EscapeValue, walked character by character (a double-byte character's second
// byte is never taken for the start of an escape).
std::string UnescapeValue(std::string_view escaped);

// The two's complement of the 8-bit sum of the bytes.
uint8_t NegatedSum(std::string_view bytes);

// The bytes that a text of hexadecimal digit pairs (either case) encodes; nothing when the text
// has an odd length or a character that is not a hexadecimal digit.
std::optional<std::string> HexPairs(std::string_view text);

// Standard Base64 with "=" padding.
std::string Base64(std::string_view bytes);

// zlib compression at the default level, then Base64: how the terminal answers "pget isc".
std::string PackText(std::string_view text);

// The value of one hexadecimal digit, or -1.
int HexValue(char c);

}  // namespace morvik::sim
