#pragma once
// The PC's local time, for setting a terminal's clock.

#include <ctime>

namespace morvik {

// Now, in the PC's time zone.
std::tm PcLocalTimeNow();

}  // namespace morvik
