#pragma once
// Validators of the values that a terminal stores. Each returns a verdict only; the caller
// turns a false verdict into the message of the setting it checked.

#include <cstdint>
#include <string_view>

namespace morvik {

// Device text: double-byte characters, ASCII 0x20-0x7E and half-width katakana; empty passes.
// A double-byte pair that code page 932 gives no character fails: it cannot be shown, and would
// not come back from a window as it went in.
bool IsDeviceText(std::string_view text);

// Printable ASCII (0x20-0x7E) only, for mail addresses and application parameters.
bool IsPrintableAscii(std::string_view text);

// Characters a terminal accepts in a URL: 0x22-0x5A and 0x5F-0x7E; empty passes.
bool IsUrlText(std::string_view text);

// Letters and digits of ASCII only (either case), for the IP-ID; empty passes.
bool IsAlphanumeric(std::string_view text);

// An optional leading "-" followed by digits and dots only; empty fails.
bool IsNumber(std::string_view text);

// Hexadecimal digits, optionally after "0x"/"0X" (then only up to the first space); empty fails.
bool IsHexadecimal(std::string_view text);

// Value of a text that passes IsHexadecimal, 0 otherwise; saturates instead of wrapping.
std::uint64_t HexValue(std::string_view text);

// The decimal reading of a value the way the terminal reads it: leading blanks, an optional
// sign, then digits up to the first other byte; no digits give 0. Saturates at the int limits.
int ParseDecimal(std::string_view text);

// Query flags check: whether a stored query flags value is one the editors can represent.
// Mode 0 (Mini family, Slim 機能1) refuses only an encrypted but not appended first query;
// mode 1 (Slim 機能2-4) refuses the same for the second query too.
bool CheckQueryFlags(int mode, int value);

}  // namespace morvik
