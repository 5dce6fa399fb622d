#pragma once
// Confirmation of written values. A terminal answers a write with "done" and a token: the value
// itself for plain settings, a checksum for texts and lamp codes. A token that does not match
// what was sent means the terminal stored something else.

#include <string>
#include <string_view>

namespace morvik {

// Which confirmation a parameter gets.
enum class WriteCheck { None, Echo, TextChecksum, HexChecksum };

WriteCheck WriteCheckOf(std::string_view name);

// The two's complement of the 8-bit sum of the bytes, as two hex digits (lower case, or upper
// case for the NFC data).
std::string ChecksumToken(std::string_view bytes, bool upperCase = false);

// The checksum token of a text value as it travels (escaped): taken over the unescaped text.
std::string TextChecksumToken(std::string_view escapedValue);

// The checksum token of a lamp code: taken over the bytes its hex digit pairs encode. Empty when
// the value is not made of whole hex pairs (such a value cannot be confirmed).
std::string HexChecksumToken(std::string_view hexValue);

// True when the reply confirms the line: lines that are not "pset" or "ndef s" writes, and
// parameters without a check, always pass. The reply is the exchange's cleaned reply; it must
// still hold its prompt (writes are exchanged quietly).
bool VerifyWrite(const std::string& line, const std::string& reply);

}  // namespace morvik
