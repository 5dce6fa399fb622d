#pragma once
// Character boundaries in code page 932 texts. Every text rule walks a value character by
// character, so that the second byte of a double-byte character (which may be 0x5C, the
// backslash, as in "ソ" or "表") is never mistaken for an escape or a marker.

#include <cstddef>
#include <string_view>

#include "model/Cp932.h"

namespace morvik {

// True when the byte may follow a lead byte as the second half of a double-byte character.
constexpr bool IsCp932TrailByte(unsigned char c) {
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Byte length (1 or 2) of the character that starts at pos (pos < text.size()). A lead byte
// counts as a double-byte character only when a valid trail byte follows it; a damaged lead
// byte stands alone, so that a space or a line break after it is still seen (and escaped).
constexpr std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && IsCp932LeadByte(static_cast<unsigned char>(text[pos])) &&
        IsCp932TrailByte(static_cast<unsigned char>(text[pos + 1]))) {
        return 2;
    }
    return 1;
}

}  // namespace morvik
