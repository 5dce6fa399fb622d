#include "support/Wave.h"

#include <cstdlib>

#include "support/Files.h"

namespace morvik::test {
namespace {

void Put(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::string WavBytes(const WavSpec& shape) {
    std::string body = "WAVE";
    body += "fmt ";
    Put(body, shape.fmtSize, 4);
    Put(body, 1, 2);  // PCM
    Put(body, shape.channels, 2);
    Put(body, shape.rate, 4);
    const std::uint32_t block = shape.channels * shape.bits / 8;
    Put(body, shape.rate * block, 4);
    Put(body, block, 2);
    Put(body, shape.bits, 2);
    if (shape.fmtSize == 18) {
        Put(body, 0, 2);
    }
    if (shape.fact) {
        body += "fact";
        Put(body, 4, 4);
        Put(body, static_cast<std::uint32_t>(shape.samples.size()), 4);
    }
    body += "data";
    Put(body, static_cast<std::uint32_t>(shape.samples.size()), 4);
    body.append(shape.samples.begin(), shape.samples.end());
    std::string file = "RIFF";
    Put(file, static_cast<std::uint32_t>(body.size()), 4);
    return file + body;
}

WavSpec WavOfSize(std::size_t fileSize, std::uint8_t seed) {
    WavSpec shape;
    shape.samples.resize(fileSize - 44);
    for (std::size_t i = 0; i < shape.samples.size(); ++i) {
        shape.samples[i] = static_cast<std::uint8_t>(seed + i);
    }
    return shape;
}

std::string WriteWave(const std::string& path, std::size_t samples, std::uint8_t seed) {
    WriteWholeFile(path, WavBytes(WavOfSize(44 + samples, seed)));
    return path;
}

bool SoxTone(const std::string& path, const std::string& format, double seconds) {
    // -D: no dither, so the samples are the same on every run.
    const std::string command = "sox -D -V1 -n " + format + " '" + path + "' synth " +
                                std::to_string(seconds) + " sine 440 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

}  // namespace morvik::test
