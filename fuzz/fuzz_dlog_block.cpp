// Detection log blocks as the terminal sends them: the 132-byte block is judged, and its data
// become CSV lines for any record counts (the first input bytes give how many records are in
// the file already and how many were announced). Every record that is still missing gives one
// line, and a block never adds more than its four records.

#include <algorithm>
#include <cstring>

#include "FuzzSupport.h"
#include "files/DetectionLogCsv.h"
#include "link/XmodemBlock.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 * sizeof(std::uint16_t) + 1) {
        return 0;
    }
    std::uint16_t written16 = 0;
    std::uint16_t total16 = 0;
    std::memcpy(&written16, data, sizeof written16);
    std::memcpy(&total16, data + 2, sizeof total16);
    const std::uint8_t expected = data[4];
    const std::span<const std::uint8_t> block(data + 5, size - 5);

    if (block.size() >= xmodem::kBlockSize) {
        const xmodem::BlockCheck check = xmodem::CheckBlock(block.data(), expected);
        if (check == xmodem::BlockCheck::kGood) {
            fuzz::Require(block[0] == xmodem::kSoh && block[1] == expected &&
                              static_cast<std::uint8_t>(block[1] + block[2]) == 0xFF,
                          "a good block has its header");
            fuzz::Require(xmodem::Checksum(block.data() + 3, xmodem::kDataSize) == block[131],
                          "a good block has its sum");
        }
    }

    std::int64_t written = written16;
    const std::int64_t total = total16;
    const std::string csv = DetectionLogBlockToCsv(block, written, total);
    const std::int64_t added = written - written16;
    fuzz::Require(added >= 0 && added <= static_cast<std::int64_t>(kDetectionLogRecordsPerBlock),
                  "a block adds at most its four records");
    const std::int64_t lines = std::count(csv.begin(), csv.end(), '\n');
    const std::int64_t header = written16 == 0 && !csv.empty() ? 1 : 0;
    fuzz::Require(lines == added + header, "every record added is one line");
    return 0;
}
