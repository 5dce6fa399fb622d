#pragma once
// XMODEM-checksum blocks built by hand, as the far end of a block transfer sends them.

#include <cstdint>
#include <string>

namespace morvik::test {

inline constexpr char kSoh = 0x01, kEot = 0x04, kAck = 0x06, kNak = 0x15, kCan = 0x18;

// SOH, number, its complement, 128 data bytes (data padded with pad) and their 8-bit sum.
inline std::string MakeBlock(std::uint8_t number, const std::string& data, char pad = '\xFF') {
    std::string payload = data.substr(0, 128);
    payload.resize(128, pad);
    std::uint8_t sum = 0;
    for (char c : payload) {
        sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(c));
    }
    std::string block;
    block += kSoh;
    block += static_cast<char>(number);
    block += static_cast<char>(static_cast<std::uint8_t>(~number));
    block += payload;
    block += static_cast<char>(sum);
    return block;
}

}  // namespace morvik::test
