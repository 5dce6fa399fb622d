#include "files/DetectionLogCsv.h"

#include <algorithm>
#include <numeric>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// Record offsets.
constexpr std::size_t kIdOffset = 0;
constexpr std::size_t kIdSize = 8;
constexpr std::size_t kYearOffset = 8;
constexpr std::size_t kResultOffset = 14;
constexpr std::size_t kKindOffset = 15;
constexpr std::size_t kBootCounterOffset = 16;
constexpr std::size_t kSecondsCounterOffset = 21;
constexpr std::size_t kTouchCounterOffset = 25;
constexpr std::size_t kCumulativeCounterOffset = 27;

// Byte 14: the function result in the low six bits, the set in the top two.
constexpr std::uint8_t kResultMask = 0x3F;
constexpr std::uint8_t kSetMask = 0xC0;
constexpr std::uint8_t kSet2 = 0x40;

using Record = std::span<const std::uint8_t, kDetectionLogRecordSize>;

namespace ids = res::ids;

const std::string& Text(int id) {
    return res::TextCp932(id);
}

// Unsigned little-endian number of size bytes at offset.
std::uint64_t Little(Record record, std::size_t offset, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = size; i > 0; --i) {
        value = value << 8 | record[offset + i - 1];
    }
    return value;
}

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        hex += res::Format("%02x", static_cast<unsigned>(b));
    }
    return hex;
}

std::string ResultText(std::uint8_t byte) {
    switch (byte & kResultMask) {
        case 0:
            return Text(ids::kResultSuccess);
        case 1:
            return Text(ids::kResultFelicaCard);
        case 2:
            return Text(ids::kResultFailure02);
        case 3:
            return Text(ids::kResultFailure03);
        case 4:
            return Text(ids::kResultFailure04);
        case 63:
            return Text(ids::kResultInternalError);
        default:
            // An unknown result is shown with its set bits, as the terminal stored the byte.
            return res::Format("%u", static_cast<unsigned>(byte));
    }
}

std::string SetText(std::uint8_t byte) {
    const std::uint8_t set = byte & kSetMask;
    if (set == 0) {
        return Text(ids::kSet1);
    }
    if (set == kSet2) {
        return Text(ids::kSet2);
    }
    return res::Format("%u", static_cast<unsigned>(set));
}

std::string KindText(std::uint8_t kind) {
    switch (kind) {
        case 0:
            return Text(ids::kKindFelicaCard);
        case 17:
            return Text(ids::kKindDocomo10);
        case 18:
            return Text(ids::kKindDocomo20);
        case 26:
            return Text(ids::kKindDocomoSmartphone);
        case 33:
            return Text(ids::kKindNonDocomo10);
        case 50:
            return Text(ids::kKindAu20);
        case 58:
            return Text(ids::kKindAuSmartphone);
        case 66:
            return Text(ids::kKindSoftbank20);
        case 74:
            return Text(ids::kKindSoftbankSmartphone);
        case 82:
            return Text(ids::kKindWillcom20);
        case 146:
            return Text(ids::kKindOther20);
        case 255:
            return Text(ids::kKindUnknown);
        default:
            return res::Format("%u", static_cast<unsigned>(kind));
    }
}

bool SumIsZero(Record record) {
    const unsigned sum = std::accumulate(record.begin(), record.end(), 0u);
    return (sum & 0xFFu) == 0;
}

}  // namespace

std::string DetectionLogCsvHeader() {
    return Text(ids::kCsvHeader) + "\r\n";
}

std::string DetectionLogCsvLine(Record record, std::int64_t number) {
    const std::string numberText = res::Format("%lld", static_cast<long long>(number));
    if (!SumIsZero(record)) {
        return numberText + "," + Text(ids::kCsvInconsistentRecord) + Hex(record) +
               Text(ids::kCsvInconsistentRecordEnd) + "\r\n";
    }
    const auto& r = record;
    std::string line = numberText;
    line += "," + Hex(r.subspan(kIdOffset, kIdSize));
    line +=
        "," + res::Format(Text(ids::kCsvDateTimeFormat), int{r[kYearOffset]},
                          int{r[kYearOffset + 1]}, int{r[kYearOffset + 2]}, int{r[kYearOffset + 3]},
                          int{r[kYearOffset + 4]}, int{r[kYearOffset + 5]});
    line += "," + ResultText(r[kResultOffset]);
    line += "," + SetText(r[kResultOffset]);
    line += "," + KindText(r[kKindOffset]);
    line += "," +
            res::Format("%llu", static_cast<unsigned long long>(Little(r, kBootCounterOffset, 5)));
    line += "," + res::Format("%llu",
                              static_cast<unsigned long long>(Little(r, kSecondsCounterOffset, 4)));
    line += "," +
            res::Format("%llu", static_cast<unsigned long long>(Little(r, kTouchCounterOffset, 2)));
    line +=
        "," + res::Format("%llu",
                          static_cast<unsigned long long>(Little(r, kCumulativeCounterOffset, 4)));
    line += "\r\n";
    return line;
}

std::string DetectionLogBlockToCsv(std::span<const std::uint8_t> block,
                                   std::int64_t& recordsWritten, std::int64_t totalRecords) {
    std::string text;
    if (recordsWritten == 0) {
        text = DetectionLogCsvHeader();
    }
    const std::int64_t missing = std::max<std::int64_t>(totalRecords - recordsWritten, 0);
    // A short block (which the block transfer never delivers) yields only its whole records.
    const std::int64_t inBlock = static_cast<std::int64_t>(
        std::min(kDetectionLogRecordsPerBlock, block.size() / kDetectionLogRecordSize));
    const std::int64_t count = std::min(missing, inBlock);
    for (std::int64_t i = 0; i < count; ++i) {
        const auto record = block.subspan(static_cast<std::size_t>(i) * kDetectionLogRecordSize)
                                .first<kDetectionLogRecordSize>();
        ++recordsWritten;
        text += DetectionLogCsvLine(record, recordsWritten);
    }
    return text;
}

}  // namespace morvik
