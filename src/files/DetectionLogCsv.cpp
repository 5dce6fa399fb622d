#include "files/DetectionLogCsv.h"

#include <algorithm>
#include <charconv>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

constexpr std::uint8_t kSetMask = 0xC0;
constexpr std::uint8_t kSet2 = 0x40;

namespace ids = res::ids;
namespace at = detection_log_offsets;

const std::string& Text(int id) {
    return res::TextCp932(id);
}

void AppendHex(std::string& out, std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (std::uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
}

void AppendNumber(std::string& out, std::uint64_t value) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    out.append(digits, end);
}

std::string Decimal(unsigned value) {
    std::string text;
    AppendNumber(text, value);
    return text;
}

}  // namespace

std::string DetectionLogResultText(std::uint8_t byte) {
    switch (byte & 0x3F) {
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
            return Decimal(byte);
    }
}

std::string DetectionLogSetText(std::uint8_t byte) {
    const std::uint8_t set = byte & kSetMask;
    if (set == 0) {
        return Text(ids::kSet1);
    }
    if (set == kSet2) {
        return Text(ids::kSet2);
    }
    return Decimal(set);
}

std::string DetectionLogKindText(std::uint8_t kind) {
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
            return Decimal(kind);
    }
}

std::string DetectionLogCsvHeader() {
    return Text(ids::kCsvHeader) + "\r\n";
}

std::string DetectionLogCsvLine(std::span<const std::uint8_t, kDetectionLogRecordSize> bytes,
                                std::int64_t number) {
    DetectionLogRecord record;
    std::copy(bytes.begin(), bytes.end(), record.bytes.begin());
    std::string line;
    line.reserve(160);
    AppendNumber(line, static_cast<std::uint64_t>(number));
    line += ',';
    if (!record.Consistent()) {
        line += Text(ids::kCsvInconsistentRecord);
        AppendHex(line, bytes);
        line += Text(ids::kCsvInconsistentRecordEnd);
        line += "\r\n";
        return line;
    }
    AppendHex(line, record.FelicaId());
    const auto& r = record.bytes;
    line += ',';
    line += res::Format(Text(ids::kCsvDateTimeFormat), int{r[at::kYear]}, int{r[at::kYear + 1]},
                        int{r[at::kYear + 2]}, int{r[at::kYear + 3]}, int{r[at::kYear + 4]},
                        int{r[at::kYear + 5]});
    line += ',';
    line += DetectionLogResultText(record.ResultByte());
    line += ',';
    line += DetectionLogSetText(record.ResultByte());
    line += ',';
    line += DetectionLogKindText(record.Kind());
    for (std::uint64_t counter :
         {record.BootCounter(), std::uint64_t{record.SecondsCounter()},
          std::uint64_t{record.TouchCounter()}, std::uint64_t{record.CumulativeTouchCounter()}}) {
        line += ',';
        AppendNumber(line, counter);
    }
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
