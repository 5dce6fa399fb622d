#pragma once
// Wave files for tests: made by hand (for exact sizes and odd chunk layouts) or by sox (an
// encoder that no one here wrote).

#include <cstdint>
#include <string>
#include <vector>

namespace morvik::test {

struct WavSpec {
    std::uint32_t rate = 8000;
    std::uint16_t channels = 1;
    std::uint16_t bits = 8;
    std::uint32_t fmtSize = 16;  // 18 adds a zero cbSize field
    bool fact = false;           // a "fact" chunk between fmt and data
    std::vector<std::uint8_t> samples;
};

// The bytes of a RIFF wave file as shape describes it.
std::string WavBytes(const WavSpec& shape);

// A shape whose file is exactly fileSize bytes (8 kHz 8-bit mono, 16-byte fmt, no fact):
// samples count up from seed so that two files of the same size differ.
WavSpec WavOfSize(std::size_t fileSize, std::uint8_t seed = 0);

// Writes an 8 kHz 8-bit mono wave file of the given number of samples to path; returns path.
std::string WriteWave(const std::string& path, std::size_t samples, std::uint8_t seed = 0);

// Runs sox to make a one-tone file at path; returns false when sox failed.
bool SoxTone(const std::string& path, const std::string& format, double seconds = 0.05);

}  // namespace morvik::test
