#include "model/Validators.h"

#include <climits>
#include <limits>

#include "model/Cp932Exact.h"
#include "model/TextChars.h"

namespace morvik {
namespace {

bool AllBytes(std::string_view text, bool (*accept)(unsigned char)) {
    for (char c : text) {
        if (!accept(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(unsigned char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The digits that the hexadecimal rules look at: after a "0X" or "0x" prefix only the run up to
// the first space counts (a category icon may be typed as "0x1F" followed by a remark).
std::string_view HexDigits(std::string_view text) {
    if (text.starts_with("0X") || text.starts_with("0x")) {
        text.remove_prefix(2);
        return text.substr(0, text.find(' '));
    }
    return text;
}

}  // namespace

bool IsDeviceText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (IsCp932LeadByte(c)) {
            // The end of the text counts as an invalid trail byte.
            if (i + 1 >= text.size() ||
                !IsCp932TrailByte(static_cast<unsigned char>(text[i + 1]))) {
                return false;
            }
            i += 2;
            continue;
        }
        if (!((c >= 0x20 && c <= 0x7E) || (c >= 0xA1 && c <= 0xDF))) {
            return false;
        }
        ++i;
    }
    // A pair the code page leaves unassigned would show as a replacement mark and travel back
    // from a window as "?".
    return Cp932ConvertsExactly(text);
}

bool IsPrintableAscii(std::string_view text) {
    return AllBytes(text, [](unsigned char c) { return c >= 0x20 && c <= 0x7E; });
}

bool IsUrlText(std::string_view text) {
    return AllBytes(
        text, [](unsigned char c) { return (c >= 0x22 && c <= 0x5A) || (c >= 0x5F && c <= 0x7E); });
}

bool IsAlphanumeric(std::string_view text) {
    return AllBytes(text, [](unsigned char c) {
        return IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

bool IsNumber(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    if (text.front() == '-') {
        text.remove_prefix(1);
    }
    return AllBytes(text, [](unsigned char c) { return IsDigit(c) || c == '.'; });
}

bool IsHexadecimal(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const std::string_view digits = HexDigits(text);
    if (digits.empty()) {
        return false;
    }
    return AllBytes(digits, [](unsigned char c) { return HexDigitValue(c) >= 0; });
}

std::uint64_t HexValue(std::string_view text) {
    if (!IsHexadecimal(text)) {
        return 0;
    }
    // Only the checked digits are accumulated, so a remark after "0x1F " cannot add garbage.
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (char c : HexDigits(text)) {
        const auto digit = static_cast<std::uint64_t>(HexDigitValue(static_cast<unsigned char>(c)));
        if (value > (kMax - digit) / 16) {
            return kMax;
        }
        value = value * 16 + digit;
    }
    return value;
}

int ParseDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && IsDigit(static_cast<unsigned char>(text[i])); ++i) {
        if (value <= static_cast<long long>(INT_MAX) + 1) {
            value = value * 10 + (text[i] - '0');
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

bool CheckQueryFlags(int mode, int value) {
    // The flags are four bits; a negative value would claim every query at once.
    if (value < 0 || value > 15) {
        return false;
    }
    // Bit 1 (encrypt the first query) without bit 0 (append it) cannot be shown by any editor.
    if ((value & 3) == 2) {
        return false;
    }
    // Mode 1: the second query may not be encrypted without being appended either.
    if (mode == 1 && (value & ~3) == 8) {
        return false;
    }
    return true;
}

}  // namespace morvik
