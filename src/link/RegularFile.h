#pragma once
// Reading a small file that must be a regular file, without ever blocking: a FIFO or a device
// under the name (a preferences file replaced by /dev/tty, a COM port's name) must not hang the
// program.

#include <cstddef>
#include <optional>
#include <string>

namespace morvik {

// The whole file. Empty text when there is no file; nullopt when something is there but is not a
// regular file, cannot be read, or holds more than maxBytes.
std::optional<std::string> ReadRegularFile(const std::string& path, size_t maxBytes);

}  // namespace morvik
