// The sound-image packer: up to twenty slots, each naming one of a few files whose bytes come
// from the input (a wave header is put in front of some so that they pass the check). Whatever
// the files hold, a pack either fails whole or gives an image whose header and directory
// describe exactly the files packed, inside the image and the terminal's memory.

#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/SoundImage.h"

using namespace morvik;

namespace {

constexpr std::size_t kFiles = 20;  // more than the directory holds
constexpr std::size_t kHeaderLength = 44;

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(bytes[at + i]) << (8 * i);
    }
    return value;
}

void PutLe32(std::string& text, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        text[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// An 8-bit mono 8 kHz wave file around the samples.
std::string Wave(std::string_view samples) {
    std::string file(
        "RIFF\0\0\0\0WAVEfmt "
        "\x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\0\0\0\0",
        kHeaderLength);
    PutLe32(file, 4, static_cast<std::uint32_t>(kHeaderLength - 8 + samples.size()));
    PutLe32(file, 40, static_cast<std::uint32_t>(samples.size()));
    file.append(samples);
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<std::unique_ptr<fuzz::ScratchFile>> files = [] {
        std::vector<std::unique_ptr<fuzz::ScratchFile>> made;
        for (std::size_t i = 0; i < kFiles; ++i) {
            const std::string name = "sound" + std::to_string(i) + ".wav";
            made.push_back(std::make_unique<fuzz::ScratchFile>(name.c_str()));
        }
        return made;
    }();
    // First byte: how many slots; then one byte per slot naming its file (or none); the rest,
    // split at "\n", the files' bodies. A body starting with "W" becomes a wave file.
    const std::string_view text = fuzz::AsText(data, size);
    if (text.empty()) {
        return 0;
    }
    const std::size_t slots = static_cast<unsigned char>(text[0]) % (kFiles + 1);
    if (text.size() < 1 + slots) {
        return 0;
    }
    std::vector<std::string> slotPaths;
    for (std::size_t s = 0; s < slots; ++s) {
        const auto pick = static_cast<unsigned char>(text[1 + s]);
        slotPaths.push_back(pick % 8 == 7 ? std::string() : files[pick % kFiles]->Path());
    }
    std::string_view rest = text.substr(1 + slots);
    for (std::size_t i = 0; i < kFiles; ++i) {
        const fuzz::Split part = fuzz::SplitFirstLine(rest);
        rest = part.body;
        const bool wave = !part.head.empty() && part.head.front() == 'W';
        files[i]->Write(wave ? Wave(part.head) : std::string(part.head));
    }

    const SoundPackResult packed = PackSounds(slotPaths);
    if (packed.status != SoundStatus::Ok) {
        fuzz::Require(packed.image.bytes.empty() && packed.image.entries == 0,
                      "a failed pack gives no image");
        return 0;
    }
    const std::vector<std::uint8_t>& image = packed.image.bytes;
    const auto entries = static_cast<std::size_t>(packed.image.entries);
    fuzz::Require(entries <= kSoundMaxEntries, "no more entries than the directory holds");
    fuzz::Require(entries == packed.image.packedPaths.size(), "one entry per packed file");
    fuzz::Require(image.size() >= kSoundHeaderSize && image.size() <= kSoundImageCapacity,
                  "the image fits the terminal's memory");
    fuzz::Require(image[0] == 0xFF && image[3] == entries, "the header names the entry count");
    fuzz::Require(Le32(image, 4) == image.size() - kSoundHeaderSize,
                  "the header's total length is the packed length");
    for (std::size_t k = 0; k < entries; ++k) {
        const std::size_t at = 16 + k * 16;
        const std::uint32_t start = Le32(image, at);
        const std::uint32_t samples = Le32(image, at + 4);
        const std::uint32_t length = Le32(image, at + 8);
        fuzz::Require(start >= kSoundHeaderSize && start <= samples &&
                          std::uint64_t{samples} + length <= image.size(),
                      "every directory entry lies inside the image");
    }
    return 0;
}
