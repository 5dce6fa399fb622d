#include "model/WavCheck.h"

#include "link/RegularFile.h"

namespace morvik {
namespace {

// Offsets of the fields that the terminal relies on; numbers are little-endian.
constexpr std::size_t kRiffTag = 0;
constexpr std::size_t kRiffSize = 4;
constexpr std::size_t kWaveTag = 8;
constexpr std::size_t kFmtTag = 12;
constexpr std::size_t kFmtSize = 16;
constexpr std::size_t kFormat = 20;
constexpr std::size_t kChannels = 22;
constexpr std::size_t kSampleRate = 24;
constexpr std::size_t kByteRate = 28;
constexpr std::size_t kBlockAlign = 32;
constexpr std::size_t kBitsPerSample = 34;
// The chunk after fmt starts at 20 + fmt size; a "fact" chunk (4 bytes of content) may come
// first, which puts "data" 12 bytes further on.
constexpr std::size_t kFmtChunkStart = 20;
constexpr std::size_t kFactChunkLength = 12;
// Size of the chunk header ("data" and its length) that precedes the samples.
constexpr std::size_t kChunkHeaderLength = 8;
// The most the check needs: an 18-byte fmt chunk, a fact chunk and the data chunk header.
constexpr std::size_t kLongestHead = kFmtChunkStart + 18 + kFactChunkLength + kChunkHeaderLength;

constexpr std::uint32_t kPcm = 1;
constexpr std::uint32_t kLowRate = 8000;
constexpr std::uint32_t kHighRate = 16000;

std::uint32_t Le(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

bool TagAt(std::string_view bytes, std::size_t at, std::string_view tag) {
    return bytes.size() >= at + tag.size() && bytes.substr(at, tag.size()) == tag;
}

}  // namespace

WavInfo CheckWavHeader(std::string_view head, std::uint64_t fileSize) {
    WavInfo info;
    info.fileSize = fileSize;
    if (head.size() > fileSize) {
        return info;
    }
    // Everything up to the bits-per-sample field, then the next chunk's tag.
    if (head.size() < kBitsPerSample + 2) {
        return info;
    }
    if (!TagAt(head, kRiffTag, "RIFF") || !TagAt(head, kWaveTag, "WAVE") ||
        !TagAt(head, kFmtTag, "fmt ")) {
        return info;
    }
    if (fileSize < 8 || Le(head, kRiffSize, 4) != fileSize - 8) {
        return info;
    }
    const std::uint32_t fmtSize = Le(head, kFmtSize, 4);
    if (fmtSize != 16 && fmtSize != 18) {
        return info;
    }
    const std::uint32_t rate = Le(head, kSampleRate, 4);
    if (Le(head, kFormat, 2) != kPcm || Le(head, kChannels, 2) != 1 ||
        (rate != kLowRate && rate != kHighRate) || Le(head, kByteRate, 4) != rate ||
        Le(head, kBlockAlign, 2) != 1 || Le(head, kBitsPerSample, 2) != 8) {
        return info;
    }
    const std::size_t next = kFmtChunkStart + fmtSize;
    const bool dataNext = TagAt(head, next, "data");
    const bool factThenData =
        TagAt(head, next, "fact") && TagAt(head, next + kFactChunkLength, "data");
    if (!dataNext && !factThenData) {
        return info;
    }
    const std::size_t headerLength = next + kChunkHeaderLength;
    // A file that stops inside its own header would give the terminal a sample length that
    // wraps round to four gigabytes; it is damaged, not merely silent.
    if (fileSize < headerLength) {
        return info;
    }
    info.status = WavStatus::Accepted;
    info.headerLength = headerLength;
    info.sixteenKilohertz = rate == kHighRate;
    return info;
}

WavInfo CheckWavFile(const std::filesystem::path& path) {
    const FileRead file = ReadRegularFile(path, kLongestHead);
    if (file.status != FileReadStatus::Ok && file.status != FileReadStatus::TooLarge) {
        WavInfo info;
        info.status =
            file.status == FileReadStatus::NotFound ? WavStatus::NotFound : WavStatus::CannotOpen;
        return info;
    }
    return CheckWavHeader(file.bytes, file.size);
}

}  // namespace morvik
