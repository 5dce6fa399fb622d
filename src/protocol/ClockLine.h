#pragma once
// The line that sets a terminal's clock.

#include <ctime>
#include <string>

namespace morvik {

// "rtc s YY MM DD hh mm ss" from a broken-down local time (two-digit year counted from 2000).
std::string ClockSetLine(const std::tm& localTime);

}  // namespace morvik
