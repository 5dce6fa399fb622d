#pragma once
// What the terminal verifies before it takes uploaded data: a sound image after "x i 0", and a
// firmware image in update mode.

#include <string>
#include <string_view>

namespace morvik::sim {

// True when image (exactly the announced length) is a sound image the terminal can play: header
// byte 0xFF, header checksum, sample sum, entry count, total length and every directory entry
// pointing at a wave file inside the image.
bool SoundImageIsSound(std::string_view image);

struct FirmwareVerdict {
    bool valid = false;
    std::string version;  // the image's version text when valid
    std::string reason;   // why it was refused (for the simulator's log)
};

// Checks a received firmware file (header included, possibly padded to whole blocks) for the
// terminal's own model: "ZRT450" for the Mini family, "ZRT410"/"ZRT410N" for Slim.
FirmwareVerdict CheckFirmware(std::string_view received, bool miniFamily);

}  // namespace morvik::sim
