#pragma once
// Firmware image files written from the image layout (a 128-byte header naming the model and the
// version, then the data), not from the tool's own image code.

#include <cstddef>
#include <string>

#include "support/SimProcess.h"

namespace morvik::test {

// The bytes of an image for model (six characters, a seventh in byte 86) with dataLength data
// bytes and the version text; damaged makes its data checksum wrong.
std::string FirmwareImageBytes(const std::string& model, const std::string& version,
                               std::size_t dataLength, bool damaged = false);

// Writes such an image as the file name inside dir and returns its path.
std::string WriteFirmwareImage(const TempDir& dir, const std::string& name,
                               const std::string& model, std::size_t dataLength,
                               const std::string& version, bool damaged = false);

}  // namespace morvik::test
