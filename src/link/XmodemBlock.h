#pragma once
// The 132-byte block of the block transfer, in the manner of XMODEM with an 8-bit checksum:
// SOH, block number, its one's complement, 128 data bytes, the 8-bit sum of the data.

#include <cstddef>
#include <cstdint>

namespace morvik::xmodem {

constexpr uint8_t kSoh = 0x01;
constexpr uint8_t kEot = 0x04;
constexpr uint8_t kAck = 0x06;
constexpr uint8_t kNak = 0x15;
constexpr uint8_t kCan = 0x18;

constexpr size_t kDataSize = 128;
constexpr size_t kBlockSize = 132;
// What fills a short last block; the terminals' own images never end in a meaningful 0xFF run.
constexpr uint8_t kPadding = 0xFF;

uint8_t Checksum(const uint8_t* data, size_t size);

// Builds block number `number` from up to 128 bytes, padding the rest.
void BuildBlock(uint8_t number, const uint8_t* data, size_t size, uint8_t* block);

enum class BlockCheck {
    kGood,    // the block that was expected
    kRepeat,  // a sound copy of the block before it: the sender missed our ACK
    kBad,     // damaged, or out of sequence
};

// Judges a received block against the number expected next.
BlockCheck CheckBlock(const uint8_t* block, uint8_t expected);

}  // namespace morvik::xmodem
