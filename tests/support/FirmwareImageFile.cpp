#include "support/FirmwareImageFile.h"

#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik::test {

std::string FirmwareImageBytes(const std::string& model, const std::string& version,
                               std::size_t dataLength, bool damaged) {
    std::string image(128 + dataLength, '\0');
    for (std::size_t i = 128; i < image.size(); ++i) {
        image[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    }
    image.replace(64, version.size(), version);
    image.replace(80, model.size(), model);
    for (int i = 0; i < 4; ++i) {
        image[16 + static_cast<std::size_t>(i)] = static_cast<char>((dataLength >> (8 * i)) & 0xFF);
    }
    // The data checksum covers file bytes 128-383 and from 512 on, at most 0xF680 of the latter.
    unsigned sum = 0;
    for (std::size_t i = 128; i < image.size() && i < 384; ++i) {
        sum += static_cast<unsigned char>(image[i]);
    }
    for (std::size_t i = 512; i < image.size() && i < 512 + 0xF680; ++i) {
        sum += static_cast<unsigned char>(image[i]);
    }
    image[20] = static_cast<char>((sum + (damaged ? 1 : 0)) & 0xFF);
    unsigned header = 0;
    for (std::size_t i = 0; i < 128; ++i) {
        header += i == 124 ? 0 : static_cast<unsigned char>(image[i]);
    }
    image[124] = static_cast<char>(header & 0xFF);
    return image;
}

std::string WriteFirmwareImage(const TempDir& dir, const std::string& name,
                               const std::string& model, std::size_t dataLength,
                               const std::string& version, bool damaged) {
    const std::string path = dir.File(name);
    WriteWholeFile(path, FirmwareImageBytes(model, version, dataLength, damaged));
    return path;
}

}  // namespace morvik::test
