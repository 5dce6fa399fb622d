// Time to check and pack the largest sound image: twelve distinct files that fill the
// terminal's sound memory exactly. Prints figures; asserts nothing.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/SoundImage.h"
#include "model/SoundSlots.h"

namespace {

void Put(std::string& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// An 8 kHz 8-bit mono file of exactly size bytes whose samples depend on seed.
std::string Wav(std::size_t size, unsigned seed) {
    std::string file = "RIFF";
    Put(file, static_cast<std::uint32_t>(size - 8), 4);
    file += "WAVEfmt ";
    Put(file, 16, 4);
    Put(file, 1, 2);
    Put(file, 1, 2);
    Put(file, 8000, 4);
    Put(file, 8000, 4);
    Put(file, 1, 2);
    Put(file, 8, 2);
    file += "data";
    Put(file, static_cast<std::uint32_t>(size - 44), 4);
    for (std::size_t i = 44; i < size; ++i) {
        file += static_cast<char>((i * 7 + seed * 31) & 0xFF);
    }
    return file;
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path dir =
        fs::temp_directory_path() / ("sound_pack_bench." + std::to_string(getpid()));
    fs::create_directories(dir);
    std::vector<std::string> slots;
    const std::size_t each = morvik::kSoundDataLimit / morvik::kMiniSoundSlots;
    for (unsigned i = 0; i < morvik::kMiniSoundSlots; ++i) {
        const fs::path path = dir / ("sound" + std::to_string(i) + ".wav");
        std::ofstream(path, std::ios::binary) << Wav(each, i);
        slots.push_back(path.string());
    }

    constexpr int kRounds = 50;
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    double sum = 0;
    std::size_t imageSize = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        const morvik::SoundPackResult packed = morvik::PackSounds(slots);
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        if (packed.status != morvik::SoundStatus::Ok) {
            std::fprintf(stderr, "packing failed\n");
            fs::remove_all(dir);
            return 1;
        }
        imageSize = packed.image.bytes.size();
        best = ms < best ? ms : best;
        sum += ms;
    }
    std::printf("sound pack: 12 distinct files of %zu bytes, image %zu bytes\n", each, imageSize);
    std::printf("sound pack: best %.3f ms, mean %.3f ms over %d rounds (%.1f MB/s)\n", best,
                sum / kRounds, kRounds, imageSize / 1e6 / (best / 1e3));
    fs::remove_all(dir);
    return 0;
}
