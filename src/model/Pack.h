#pragma once
// Packing of values: zlib compression and Base64, as used for the authentication code in
// settings files and in the terminal's answer to "pget isc", and for maintenance files.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace morvik {

// The most that Unpack gives back; larger output is treated as damaged data (a zlib bomb
// cannot make the tool allocate more than this).
inline constexpr std::size_t kUnpackLimit = 51200;

// Pack: zlib compression at the default level (raw compressed bytes, e.g. a maintenance file).
std::string Pack(std::string_view text);

// Base64 encode: standard alphabet with "=" padding and a line feed after every 76 characters.
std::string Base64Encode(std::string_view bytes);

// Pack followed by Base64 encode: the stored form of a packed value such as "isc".
std::string PackBase64(std::string_view text);

// Base64 decode: every "=" is dropped and line breaks and blanks are skipped; any other byte
// outside the alphabet, or a dangling single character, gives no result.
std::optional<std::string> Base64Decode(std::string_view text);

// Decompresses one whole zlib stream of at most maxSize bytes; a damaged, truncated or larger
// stream gives no result.
std::optional<std::string> Inflate(std::string_view compressed, std::size_t maxSize);

// Unpack: Base64 text -> the packed text, cut at its first zero byte. Anything that does not
// decode and decompress completely within kUnpackLimit gives the empty text, which the
// caller's own check of the value then rejects.
std::string Unpack(std::string_view base64);

}  // namespace morvik
