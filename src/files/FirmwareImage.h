#pragma once
// A firmware image file ("*.x"): a 128-byte header followed by the data a terminal receives. The
// check decides, before anything is sent, whether the image belongs to the edition being updated
// and arrived undamaged; the version text it carries is what the terminal must report after the
// update.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace morvik {

// Sizes of the image layout.
inline constexpr std::size_t kFirmwareHeaderSize = 128;
inline constexpr std::int64_t kFirmwareMaxDataLength = 0xF800;

struct FirmwareImageCheck {
    bool valid = false;
    // The text the firmware window shows about the image (code page 932): the version line when
    // valid, otherwise why it cannot be used.
    std::string outcome;
    // The version text of the header (valid images only).
    std::string version;
    // The number of bytes after the header (valid images only).
    std::int64_t dataLength = 0;
};

// Checks the image file at path. miniFamily selects the Mini-family model name ("ZRT450");
// otherwise the Slim names apply. Never throws; the file is closed on return.
FirmwareImageCheck CheckFirmwareImage(const std::filesystem::path& path, bool miniFamily);

// The same check on an image already in memory (the whole file, header included). The simulated
// terminal uses it on what it received.
FirmwareImageCheck CheckFirmwareImage(std::span<const std::uint8_t> image, bool miniFamily);

}  // namespace morvik
