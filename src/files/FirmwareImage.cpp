#include "files/FirmwareImage.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <vector>

#include "link/RegularFile.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// Header offsets.
constexpr std::size_t kDataLengthOffset = 16;
constexpr std::size_t kDataChecksumOffset = 20;
constexpr std::size_t kVersionOffset = 64;
constexpr std::size_t kVersionSize = 16;
constexpr std::size_t kModelOffset = 80;
constexpr std::size_t kModelSeventhOffset = 86;
constexpr std::size_t kSlimZeroAreaOffset = 96;
constexpr std::size_t kSlimZeroAreaSize = 8;
constexpr std::size_t kHeaderChecksumOffset = 124;

// The data checksum covers the first 256 data bytes, leaves the next 128 (file bytes 384-511) out
// and then covers the rest of a maximum-size image.
constexpr std::size_t kFirstSummedEnd = 384;
constexpr std::size_t kSecondSummedStart = 512;
constexpr std::size_t kSecondSummedMax = 0xF680;

std::uint8_t Sum8(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint8_t>(
        std::accumulate(bytes.begin(), bytes.end(), 0u,
                        [](unsigned a, std::uint8_t b) { return (a + b) & 0xFFu; }));
}

FirmwareImageCheck Invalid() {
    FirmwareImageCheck check;
    check.outcome = res::TextCp932(res::ids::kFirmwareInvalid);
    return check;
}

std::string ModelName(std::span<const std::uint8_t> header) {
    // Six characters as they stand (a zero byte among them stays and makes the name differ).
    std::string name(reinterpret_cast<const char*>(header.data() + kModelOffset), 6);
    if (header[kModelSeventhOffset] != 0) {
        name.push_back(static_cast<char>(header[kModelSeventhOffset]));
    }
    return name;
}

bool ModelAccepted(std::span<const std::uint8_t> header, bool miniFamily) {
    const std::string name = ModelName(header);
    if (miniFamily) {
        return name == "ZRT450";
    }
    if (name != "ZRT410" && name != "ZRT410N") {
        return false;
    }
    const auto zeroArea = header.subspan(kSlimZeroAreaOffset, kSlimZeroAreaSize);
    return std::all_of(zeroArea.begin(), zeroArea.end(), [](std::uint8_t b) { return b == 0; });
}

std::int32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::uint32_t value = static_cast<std::uint32_t>(bytes[offset]) |
                                static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
                                static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
                                static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

bool SizeAccepted(std::int64_t fileLength) {
    return fileLength > static_cast<std::int64_t>(kFirmwareHeaderSize) &&
           fileLength - static_cast<std::int64_t>(kFirmwareHeaderSize) <= kFirmwareMaxDataLength;
}

}  // namespace

FirmwareImageCheck CheckFirmwareImage(std::span<const std::uint8_t> image, bool miniFamily) {
    const auto fileLength = static_cast<std::int64_t>(image.size());
    if (!SizeAccepted(fileLength)) {
        return Invalid();
    }
    const std::int64_t dataLength = fileLength - static_cast<std::int64_t>(kFirmwareHeaderSize);
    const auto header = image.first(kFirmwareHeaderSize);
    if (!ModelAccepted(header, miniFamily)) {
        return Invalid();
    }
    if (ReadLe32(header, kDataLengthOffset) != dataLength) {
        return Invalid();
    }
    const std::uint8_t headerSum =
        static_cast<std::uint8_t>(Sum8(header.first(kHeaderChecksumOffset)) +
                                  Sum8(header.subspan(kHeaderChecksumOffset + 1)));
    if (headerSum != header[kHeaderChecksumOffset]) {
        return Invalid();
    }
    std::uint8_t dataSum = Sum8(image.subspan(
        kFirmwareHeaderSize, std::min(image.size(), kFirstSummedEnd) - kFirmwareHeaderSize));
    if (image.size() > kSecondSummedStart) {
        const std::size_t count = std::min(image.size() - kSecondSummedStart, kSecondSummedMax);
        dataSum =
            static_cast<std::uint8_t>(dataSum + Sum8(image.subspan(kSecondSummedStart, count)));
    }
    if (dataSum != header[kDataChecksumOffset]) {
        return Invalid();
    }

    // The version is a zero-terminated text in a 16-byte field; a field without its zero ends
    // at the field's end rather than running on into the model name.
    const auto versionField = header.subspan(kVersionOffset, kVersionSize);
    const auto versionEnd = std::find(versionField.begin(), versionField.end(), std::uint8_t{0});
    FirmwareImageCheck check;
    check.valid = true;
    check.version.assign(versionField.begin(), versionEnd);
    check.dataLength = dataLength;
    check.outcome =
        res::Format(res::TextCp932(res::ids::kFirmwareVersionJoin),
                    res::TextCp932(res::ids::kFirmwareVersionLabel).c_str(), check.version.c_str());
    return check;
}

FirmwareImageCheck CheckFirmwareImage(const std::filesystem::path& path, bool miniFamily) {
    // Only a file of an acceptable size is read, so a huge file chosen by mistake costs nothing.
    const FileRead file = ReadRegularFile(
        path, kFirmwareHeaderSize + static_cast<std::size_t>(kFirmwareMaxDataLength));
    if (file.status == FileReadStatus::TooLarge) {
        return Invalid();
    }
    if (!file.Ok()) {
        FirmwareImageCheck check;
        check.outcome = res::TextCp932(res::ids::kFileOpenFailed);
        return check;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    return CheckFirmwareImage(std::span<const std::uint8_t>(bytes, file.bytes.size()), miniFamily);
}

}  // namespace morvik
