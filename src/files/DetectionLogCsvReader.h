#pragma once
// Reading back a detection log CSV that the tool wrote (files/DetectionLogCsv.h): the header
// line, then one line per record, decoded or marked as failing its check, in code page 932 and
// each ended by CR LF. A file is taken only when every line is one the tool would have written
// for the records it holds; anything else is refused at the first line where it stops being such
// a file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/DetectionLogRecord.h"

namespace morvik {

struct DetectionLogCsvError {
    enum class Problem {
        kCannotOpen,  // no such file, or it cannot be read
        kTooLarge,
        kHeader,   // the first line is not the header
        kCutLine,  // the file ends inside a line
        kLineEnd,  // a line that is not ended by CR LF
        kFieldCount,
        kField,  // a value the tool does not write there
    };
    Problem problem = Problem::kCannotOpen;
    std::int64_t line = 0;  // counted from 1 (the header)
    int column = -1;        // kField: the column (0 = No.), or -1 for the line as a whole
};

struct DetectionLogCsvContent {
    std::vector<DetectionLogRecord> records;  // in file order, numbered from 1
    std::optional<DetectionLogCsvError> error;
};

// Larger files are refused unread: about two million records, far more than a terminal holds.
inline constexpr std::size_t kDetectionLogCsvMaxBytes = std::size_t{256} << 20;

DetectionLogCsvContent ParseDetectionLogCsv(std::string_view bytes);
DetectionLogCsvContent ReadDetectionLogCsv(const std::string& path);

// What to tell the operator about error (UTF-8): the line, and what is wrong with it.
std::string DetectionLogCsvErrorText(const DetectionLogCsvError& error);

}  // namespace morvik
