#include "model/SoundImage.h"

#include <algorithm>

#include "link/RegularFile.h"
#include "model/Cp932.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// Image header: 0xFF, header checksum, sample sum, entry count, total length, eight 0xFF.
constexpr std::size_t kChecksumAt = 1;
constexpr std::size_t kSampleSumAt = 2;
constexpr std::size_t kEntryCountAt = 3;
constexpr std::size_t kTotalLengthAt = 4;
constexpr std::size_t kDirectoryAt = 16;
constexpr std::size_t kEntrySize = 16;
// The directory area the terminal reads (sixteen entries' worth), blank when unused.
constexpr std::size_t kDirectorySize = 256;
constexpr std::uint8_t kBlank = 0xFF;

// Samples are played at 230/256 of their recorded value.
constexpr unsigned kVolumeFactor = 230;
constexpr unsigned kVolumeShift = 8;

void PutLe32(std::uint8_t* at, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

SoundStatus FromWav(WavStatus status) {
    switch (status) {
        case WavStatus::Accepted:
            return SoundStatus::Ok;
        case WavStatus::NotFound:
            return SoundStatus::NotFound;
        case WavStatus::CannotOpen:
            return SoundStatus::CannotOpen;
        default:
            return SoundStatus::Invalid;
    }
}

SoundStatus FromRead(FileReadStatus status) {
    switch (status) {
        case FileReadStatus::Ok:
            return SoundStatus::Ok;
        case FileReadStatus::NotFound:
            return SoundStatus::NotFound;
        case FileReadStatus::TooLarge:
            return SoundStatus::TooLarge;
        case FileReadStatus::CannotOpen:
            break;
    }
    return SoundStatus::CannotOpen;
}

}  // namespace

std::filesystem::path SoundFilePath(const std::string& cp932Path) {
    return std::filesystem::path(Cp932ToUtf8(cp932Path));
}

SoundStatus CheckSoundFile(const std::string& cp932Path) {
    return FromWav(CheckWavFile(SoundFilePath(cp932Path)).status);
}

std::string SoundSizeLimitMessage() {
    return res::Format(res::TextCp932(res::ids::kSoundTotalTooLarge),
                       static_cast<int>(kSoundDataLimit / 1024));
}

std::string SoundFailureText(SoundStatus status) {
    switch (status) {
        case SoundStatus::CannotOpen:
        case SoundStatus::SizeUnknown:
            return res::TextCp932(res::ids::kFileOpenFailed);
        case SoundStatus::TooLarge:
            return SoundSizeLimitMessage();
        default:
            return res::TextCp932(res::ids::kSoundFileInvalid);
    }
}

std::vector<std::string> DistinctSoundPaths(std::span<const std::string> slotPaths) {
    std::vector<std::string> distinct;
    for (const std::string& path : slotPaths) {
        if (!path.empty() && std::find(distinct.begin(), distinct.end(), path) == distinct.end()) {
            distinct.push_back(path);
        }
    }
    return distinct;
}

SoundSizeResult TotalSoundSize(std::span<const std::string> slotPaths) {
    SoundSizeResult result;
    for (const std::string& path : DistinctSoundPaths(slotPaths)) {
        // Only whether it opens, and its size: at most a byte of it is read.
        const FileRead file = ReadRegularFile(SoundFilePath(path), 0);
        if (file.status != FileReadStatus::Ok && file.status != FileReadStatus::TooLarge) {
            result.status = FromRead(file.status);
            result.failedPath = path;
            return result;
        }
        result.total += file.size;
    }
    return result;
}

SoundPackResult PackSounds(std::span<const std::string> slotPaths) {
    SoundPackResult result;
    auto fail = [&result](SoundStatus status, const std::string& path) {
        result.status = status;
        result.failedPath = path;
        result.image = SoundImage{};
        return result;
    };

    const std::vector<std::string> paths = DistinctSoundPaths(slotPaths);
    static_assert(kSoundMaxEntries * kEntrySize <= kDirectorySize);
    // More files than directory entries would write past the directory; no edition has as many
    // slots, but the image must not depend on that.
    if (paths.size() > kSoundMaxEntries) {
        return fail(SoundStatus::TooLarge, paths[kSoundMaxEntries]);
    }
    // Check everything before building anything: the terminal gets a whole image or none.
    std::uint64_t total = 0;
    for (const std::string& path : paths) {
        const WavInfo info = CheckWavFile(SoundFilePath(path));
        if (info.status != WavStatus::Accepted) {
            return fail(FromWav(info.status), path);
        }
        total += info.fileSize;
        if (!FitsSoundMemory(total)) {
            return fail(SoundStatus::TooLarge, path);
        }
    }

    std::vector<std::uint8_t> image(kSoundImageCapacity, kBlank);
    std::uint8_t directory[kDirectorySize];
    std::fill(std::begin(directory), std::end(directory), kBlank);
    std::size_t writeAt = kSoundHeaderSize;
    unsigned sampleSum = 0;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        // A file that grew after it was checked cannot overrun the image.
        FileRead read = ReadRegularFile(SoundFilePath(paths[k]), kSoundImageCapacity - writeAt);
        if (!read.Ok()) {
            return fail(FromRead(read.status), paths[k]);
        }
        const std::string file = std::move(read.bytes);
        // Check again what was actually read: the file may have changed since the first look.
        const WavInfo info = CheckWavHeader(file, file.size());
        if (info.status != WavStatus::Accepted) {
            return fail(SoundStatus::Invalid, paths[k]);
        }
        for (std::size_t i = 0; i < file.size(); ++i) {
            unsigned byte = static_cast<unsigned char>(file[i]);
            if (i >= info.headerLength) {
                byte = (byte * kVolumeFactor) >> kVolumeShift;
            }
            image[writeAt + i] = static_cast<std::uint8_t>(byte);
            sampleSum += byte;
        }
        std::uint8_t* entry = directory + k * kEntrySize;
        PutLe32(entry, writeAt);
        PutLe32(entry + 4, writeAt + info.headerLength);
        PutLe32(entry + 8, file.size() - info.headerLength);
        entry[12] = info.sixteenKilohertz ? 1 : 0;
        writeAt += file.size();
    }

    const std::size_t entries = paths.size();
    const std::size_t packedLength = writeAt - kSoundHeaderSize;
    image[0] = kBlank;
    image[kSampleSumAt] = static_cast<std::uint8_t>(sampleSum & 0xFF);
    image[kEntryCountAt] = static_cast<std::uint8_t>(entries);
    PutLe32(&image[kTotalLengthAt], packedLength);
    std::copy(std::begin(directory), std::end(directory), image.begin() + kDirectoryAt);
    unsigned checksum = 0;
    for (std::size_t i = kSampleSumAt; i < (entries + 1) * kEntrySize; ++i) {
        checksum += image[i];
    }
    image[kChecksumAt] = static_cast<std::uint8_t>(checksum & 0xFF);
    image.resize(writeAt);

    result.image.bytes = std::move(image);
    result.image.entries = static_cast<int>(entries);
    result.image.packedPaths = paths;
    return result;
}

std::vector<int> SoundKeyValues(std::span<const std::string> slotPaths,
                                std::span<const std::string> packedPaths) {
    std::vector<int> keys;
    keys.reserve(slotPaths.size());
    for (const std::string& path : slotPaths) {
        const auto found = std::find(packedPaths.begin(), packedPaths.end(), path);
        keys.push_back(path.empty() || found == packedPaths.end()
                           ? kNoSoundKey
                           : static_cast<int>(found - packedPaths.begin()));
    }
    return keys;
}

}  // namespace morvik
