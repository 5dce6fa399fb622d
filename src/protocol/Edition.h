#pragma once
// Edition codes as the identification reply decides them. Code 2 was never given to an edition.

#include <cstdint>

namespace morvik {

using EditionCode = uint8_t;

constexpr EditionCode kEditionSlim = 0;
constexpr EditionCode kEditionMini = 1;  // Mini or MiniS: one settings family
constexpr EditionCode kEditionMiniSx = 3;
constexpr EditionCode kEditionNone = 0xFF;  // no session, or a reply no edition matches

}  // namespace morvik
