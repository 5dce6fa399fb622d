#include "sim/ImageChecks.h"

#include <cstdint>

namespace morvik::sim {
namespace {

uint8_t Byte(std::string_view data, size_t i) {
    return static_cast<uint8_t>(data[i]);
}

uint32_t Le32(std::string_view data, size_t i) {
    return Byte(data, i) | (Byte(data, i + 1) << 8) | (Byte(data, i + 2) << 16) |
           (static_cast<uint32_t>(Byte(data, i + 3)) << 24);
}

unsigned Sum(std::string_view data, size_t from, size_t to) {
    unsigned sum = 0;
    for (size_t i = from; i < to && i < data.size(); ++i) {
        sum += Byte(data, i);
    }
    return sum & 0xFF;
}

constexpr size_t kSoundHeader = 4096;
constexpr size_t kMaxEntries = 16;  // the directory spans offsets 16 to 271
constexpr size_t kFirmwareHeader = 128;
constexpr size_t kMaxFirmwareData = 0xF800;

}  // namespace

bool SoundImageIsSound(std::string_view image) {
    // An image without entries (the header alone) is how the tool empties the sound memory
    // when every slot was cleared with the sounds to be registered.
    if (image.size() < kSoundHeader || Byte(image, 0) != 0xFF) {
        return false;
    }
    size_t entries = Byte(image, 3);
    if (entries > kMaxEntries) {
        return false;
    }
    if (Sum(image, 2, (entries + 1) * 16) != Byte(image, 1)) {
        return false;
    }
    uint32_t total = Le32(image, 4);
    if (kSoundHeader + total != image.size()) {
        return false;
    }
    if (Sum(image, kSoundHeader, image.size()) != Byte(image, 2)) {
        return false;
    }
    for (size_t k = 0; k < entries; ++k) {
        size_t entry = 16 + 16 * k;
        uint64_t file = Le32(image, entry);
        uint64_t samples = Le32(image, entry + 4);
        uint64_t length = Le32(image, entry + 8);
        uint8_t rate = Byte(image, entry + 12);
        if (file < kSoundHeader || (samples != file + 44 && samples != file + 46) ||
            samples + length > image.size() || rate > 1 || image.substr(file, 4) != "RIFF") {
            return false;
        }
    }
    return true;
}

FirmwareVerdict CheckFirmware(std::string_view received, bool miniFamily) {
    FirmwareVerdict verdict;
    if (received.size() <= kFirmwareHeader) {
        verdict.reason = "too short";
        return verdict;
    }
    auto length = static_cast<int32_t>(Le32(received, 16));
    if (length <= 0 || static_cast<size_t>(length) > kMaxFirmwareData ||
        kFirmwareHeader + static_cast<size_t>(length) > received.size()) {
        verdict.reason = "bad length";
        return verdict;
    }
    std::string_view image = received.substr(0, kFirmwareHeader + static_cast<size_t>(length));

    std::string model(image.substr(80, 6));
    if (Byte(image, 86) != 0) {
        model += image[86];
    }
    bool modelOk = false;
    if (miniFamily) {
        modelOk = model == "ZRT450";
    } else {
        modelOk = (model == "ZRT410" || model == "ZRT410N") &&
                  image.substr(96, 8) == std::string_view("\0\0\0\0\0\0\0\0", 8);
    }
    if (!modelOk) {
        verdict.reason = "wrong model";
        return verdict;
    }
    if (((Sum(image, 0, 124) + Sum(image, 125, 128)) & 0xFF) != Byte(image, 124)) {
        verdict.reason = "bad header checksum";
        return verdict;
    }
    // The data checksum leaves out the bytes 384 to 511 of the file.
    unsigned data = Sum(image, 128, 384) + Sum(image, 512, 512 + 0xF680);
    if ((data & 0xFF) != Byte(image, 20)) {
        verdict.reason = "bad data checksum";
        return verdict;
    }
    std::string_view text = image.substr(64, 16);
    verdict.version = std::string(text.substr(0, text.find('\0')));
    verdict.valid = true;
    return verdict;
}

}  // namespace morvik::sim
