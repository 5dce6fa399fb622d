// Wave file headers: the first bytes of a file with either their own length or a claimed file
// size (the first eight input bytes) as the file's size. Only the one format the terminal plays
// is accepted, and an accepted header always describes a file that holds its samples.

#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "model/WavCheck.h"

using namespace morvik;

namespace {

// The checker is given at least this much of a file that is that long.
constexpr std::size_t kHeadBytes = 62;

std::uint32_t Le32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(std::uint64_t)) {
        return 0;
    }
    std::uint64_t claimedSize = 0;
    std::memcpy(&claimedSize, data, sizeof claimedSize);
    const std::string_view head =
        fuzz::AsText(data + sizeof claimedSize, size - sizeof claimedSize);

    std::vector<std::uint64_t> sizes{head.size()};
    if (head.size() >= kHeadBytes && claimedSize >= head.size()) {
        sizes.push_back(claimedSize);
    }
    for (std::uint64_t fileSize : sizes) {
        const WavInfo info = CheckWavHeader(head, fileSize);
        if (info.status != WavStatus::Accepted) {
            continue;
        }
        fuzz::Require(info.headerLength == 44 || info.headerLength == 46,
                      "an accepted header is 44 or 46 bytes");
        fuzz::Require(fileSize >= info.headerLength, "an accepted file holds its whole header");
        fuzz::Require(head.substr(0, 4) == "RIFF" && head.substr(8, 4) == "WAVE",
                      "an accepted file is a RIFF WAVE file");
        fuzz::Require(std::uint64_t{Le32(head, 4)} + 8 == fileSize,
                      "an accepted file's RIFF size matches the file");
    }
    return 0;
}
