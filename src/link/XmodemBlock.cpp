#include "link/XmodemBlock.h"

#include <cstring>

namespace morvik::xmodem {

uint8_t Checksum(const uint8_t* data, size_t size) {
    uint8_t sum = 0;
    for (size_t i = 0; i < size; ++i) {
        sum = static_cast<uint8_t>(sum + data[i]);
    }
    return sum;
}

void BuildBlock(uint8_t number, const uint8_t* data, size_t size, uint8_t* block) {
    if (size > kDataSize) {
        size = kDataSize;
    }
    block[0] = kSoh;
    block[1] = number;
    block[2] = static_cast<uint8_t>(~number);
    if (size > 0) {
        std::memcpy(block + 3, data, size);
    }
    std::memset(block + 3 + size, kPadding, kDataSize - size);
    block[3 + kDataSize] = Checksum(block + 3, kDataSize);
}

BlockCheck CheckBlock(const uint8_t* block, uint8_t expected) {
    if (block[0] != kSoh || block[2] != static_cast<uint8_t>(~block[1]) ||
        block[3 + kDataSize] != Checksum(block + 3, kDataSize)) {
        return BlockCheck::kBad;
    }
    if (block[1] == expected) {
        return BlockCheck::kGood;
    }
    if (block[1] == static_cast<uint8_t>(expected - 1)) {
        return BlockCheck::kRepeat;
    }
    return BlockCheck::kBad;
}

}  // namespace morvik::xmodem
