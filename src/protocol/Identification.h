#pragma once
// Reading the reply to "ver": which edition answered, and the items it names.

#include <string>

#include "protocol/Edition.h"

namespace morvik {

// The edition a "ver" reply names: Slim by its model name, the Mini family by the generation of
// its version line (1 and 3 for Mini and MiniS, 4 for MiniSx); 0xFF for anything else.
EditionCode EditionFromReply(const std::string& reply);

// The text between "key " and the next CR LF; empty when the key is missing.
std::string ItemValue(const std::string& reply, const std::string& key);

// Restarts of every kind: the boot count plus the watchdog count, both decimal (text that is not
// a number counts as 0), added as 64-bit unsigned numbers.
std::string BootCounterText(const std::string& boot, const std::string& watchdog);

// The panel's clock text for a reply to "rtc get": "20" and the terminal's date and time, or
// "----/--/-- --:--:--" when the terminal did not report its clock.
std::string ClockText(const std::string& rtcReply);

}  // namespace morvik
