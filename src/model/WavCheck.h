#pragma once
// The one wave format a Mini-family terminal plays: 8-bit mono PCM at 8 kHz or 16 kHz in a plain
// RIFF file. Anything else is refused before it reaches the terminal.

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace morvik {

enum class WavStatus {
    Accepted,
    NotFound,    // no such file
    CannotOpen,  // the file exists but cannot be opened or read
    Invalid,     // not the accepted format, or damaged
};

struct WavInfo {
    WavStatus status = WavStatus::Invalid;
    std::uint64_t fileSize = 0;
    // Bytes before the samples: 44 with a 16-byte fmt chunk, 46 with an 18-byte one.
    std::size_t headerLength = 0;
    bool sixteenKilohertz = false;
};

// Checks the beginning of a wave file (at least the first 62 bytes when the file is that long)
// against the accepted format, given the whole file's size.
WavInfo CheckWavHeader(std::string_view head, std::uint64_t fileSize);

// Checks the wave file at path; reads only its header.
WavInfo CheckWavFile(const std::filesystem::path& path);

}  // namespace morvik
