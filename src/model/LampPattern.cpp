#include "model/LampPattern.h"

#include <array>

namespace morvik {
namespace {

// User digit -> device colour bits (blue bit 0, red bit 1, green bit 2). Applying it twice gives
// the digit back, which is why the same table decodes.
constexpr std::array<int, 8> kColourBits = {0, 2, 1, 4, 3, 6, 5, 7};

// Bit 3 of a step digit: the step lights only the indicator lamp.
constexpr int kIndicatorOnlyBit = 8;
// Bit 7 of the leading byte: an idle pattern with 250 ms steps.
constexpr int kIdleFlag = 0x80;
constexpr int kStepCountMask = 0x7F;

constexpr char kLowerHex[] = "0123456789abcdef";

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

int LampColourBits(int digit) {
    if (digit < 0 || digit >= static_cast<int>(kColourBits.size())) {
        return 0;
    }
    return kColourBits[static_cast<std::size_t>(digit)];
}

bool IsValidUserLampPattern(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.size() > kUserLampPatternMaxLength) {
        return false;
    }
    if (text[0] != '1' && text[0] != '8') {
        return false;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '7') {
            return false;
        }
    }
    return true;
}

std::optional<std::string> EncodeLampPattern(std::string_view userPattern, bool idle) {
    if (!IsValidUserLampPattern(userPattern)) {
        return std::nullopt;
    }
    std::string code(kLampCodeLength, '0');
    if (userPattern.empty()) {
        return code;
    }
    const int steps = static_cast<int>(userPattern.size()) - 1;
    const int head = (idle ? kIdleFlag : 0) + steps;
    code[0] = kLowerHex[(head >> 4) & 0xF];
    code[1] = kLowerHex[head & 0xF];
    const bool allLamps = userPattern[0] == '8';
    for (int i = 1; i <= steps; ++i) {
        const int digit = userPattern[static_cast<std::size_t>(i)] - '0';
        int value = LampColourBits(digit);
        if (!allLamps && digit != 0) {
            value += kIndicatorOnlyBit;
        }
        code[static_cast<std::size_t>(i) + 1] = kLowerHex[value];
    }
    return code;
}

std::optional<std::string> DecodeLampCode(std::string_view code) {
    if (code.size() != kLampCodeLength) {
        return std::nullopt;
    }
    const int high = HexDigitValue(code[0]);
    const int low = HexDigitValue(code[1]);
    if (high < 0 || low < 0) {
        return std::nullopt;
    }
    const int steps = ((high << 4) | low) & kStepCountMask;
    if (steps > kLampMaxSteps) {
        return std::nullopt;
    }
    const std::string_view stepChars = code.substr(2, static_cast<std::size_t>(steps));
    std::string pattern;
    pattern.reserve(static_cast<std::size_t>(steps) + 1);
    for (char c : stepChars) {
        const int value = HexDigitValue(c);
        if (value < 0) {
            return std::nullopt;
        }
        pattern += static_cast<char>('0' + LampColourBits(value & 7));
    }

    // The lamp count is not stored as such: it shows in bit 3 of the steps that light. The
    // first step decides when it lights; otherwise the first step that lights does.
    char lampCount = 0;
    if (code[2] != '0') {
        lampCount = code[2] < '8' ? '8' : '1';
    } else {
        for (char c : stepChars) {
            if (c != '0') {
                lampCount = c < '8' ? '8' : '1';
                break;
            }
        }
    }
    if (lampCount == 0) {
        return std::string();
    }
    return std::string(1, lampCount) + pattern;
}

}  // namespace morvik
