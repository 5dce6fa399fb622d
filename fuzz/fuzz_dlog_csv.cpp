// A detection log CSV as the chart window and `morvik dlog summary` open it: any file is either
// refused at a line of it, or is exactly what the tool writes for the records it read (header
// and lines, byte for byte), and its summary counts each of those records once.

#include "FuzzSupport.h"
#include "files/DetectionLogCsv.h"
#include "files/DetectionLogCsvReader.h"
#include "model/DetectionLogSummary.h"

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DetectionLogCsvContent content = ParseDetectionLogCsv(bytes);
    if (content.error) {
        fuzz::Require(content.records.empty(), "a refused file gives no record");
        fuzz::Require(content.error->line >= 1, "a refusal names a line");
        fuzz::Require(!DetectionLogCsvErrorText(*content.error).empty(), "a refusal is told");
        return 0;
    }
    std::string written = DetectionLogCsvHeader();
    for (const DetectionLogRecord& record : content.records) {
        written += DetectionLogCsvLine(record.bytes, record.number);
    }
    fuzz::Require(written == bytes, "a file read is the file the tool writes for its records");
    const DetectionLogSummary summary = SummarizeDetectionLog(content.records);
    fuzz::Require(summary.records == static_cast<std::int64_t>(content.records.size()),
                  "every record is counted once");
    return 0;
}
