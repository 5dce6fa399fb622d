#include "files/DetectionLogCsvReader.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <optional>
#include <utility>

#include "files/DetectionLogCsv.h"
#include "link/RegularFile.h"
#include "res/DetectionLogViewIds.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

using Problem = DetectionLogCsvError::Problem;
namespace at = detection_log_offsets;

enum Column { kNumber, kId, kTime, kResult, kSet, kKind, kBoot, kSeconds, kTouches, kCumulative };
constexpr std::size_t kColumns = 10;

using Words = std::vector<std::pair<std::string, std::uint8_t>>;

// The texts of the result, set and kind columns, asked of the writer itself so that what is read
// is exactly what is written.
struct Vocabulary {
    Words results;           // named result codes
    Words sets;              // set bits in place (0x00, 0x40, 0x80, 0xC0)
    Words kinds;             // named kinds
    std::string headerLine;  // with its CR LF
    std::string header;
    std::string inconsistentStart;
    std::string inconsistentEnd;
};

const Vocabulary& Vocab() {
    static const Vocabulary kVocabulary = [] {
        Vocabulary v;
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<std::uint8_t>(b);
            if (b < 64 && IsNamedResultCode(b)) {
                v.results.emplace_back(DetectionLogResultText(byte), byte);
            }
            if ((b & 0x3F) == 0) {
                v.sets.emplace_back(DetectionLogSetText(byte), byte);
            }
            if (std::string kind = DetectionLogKindText(byte); kind != std::to_string(b)) {
                v.kinds.emplace_back(std::move(kind), byte);
            }
        }
        v.headerLine = DetectionLogCsvHeader();
        v.header = v.headerLine.substr(0, v.headerLine.size() - 2);
        v.inconsistentStart = res::TextCp932(res::ids::kCsvInconsistentRecord);
        v.inconsistentEnd = res::TextCp932(res::ids::kCsvInconsistentRecordEnd);
        return v;
    }();
    return kVocabulary;
}

// A decimal number of at most max; digits only.
std::optional<std::uint64_t> Decimal(std::string_view text, std::uint64_t max) {
    std::uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint8_t> Word(const Words& words, std::string_view text) {
    for (const auto& [word, value] : words) {
        if (word == text) {
            return value;
        }
    }
    return std::nullopt;
}

// A text column: one of its words, or a code without a word in decimal.
std::optional<std::uint8_t> WordOrByte(const Words& words, std::string_view text) {
    if (auto value = Word(words, text)) {
        return value;
    }
    if (auto value = Decimal(text, 0xFF)) {
        return static_cast<std::uint8_t>(*value);
    }
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool Hex(std::string_view text, std::span<std::uint8_t> out) {
    if (text.size() != out.size() * 2) {
        return false;
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        out[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return true;
}

// "2YYY/MM/DD hh:mm:ss" into the six clock bytes.
bool Time(std::string_view text, std::span<std::uint8_t, 6> out) {
    static constexpr char kAfter[] = {'/', '/', ' ', ':', ':', '\0'};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t end = kAfter[i] != '\0' ? text.find(kAfter[i]) : text.size();
        if (end == std::string_view::npos) {
            return false;
        }
        const std::uint64_t base = i == 0 ? 2000 : 0;
        const auto value = Decimal(text.substr(0, end), base + 0xFF);
        if (!value || *value < base) {
            return false;
        }
        out[i] = static_cast<std::uint8_t>(*value - base);
        text.remove_prefix(std::min(text.size(), end + 1));
    }
    return true;
}

void PutLittle(DetectionLogRecord::Bytes& bytes, std::size_t offset, std::uint64_t value,
               std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// Splits a line at its commas into at most kColumns + 1 fields; the count is returned.
std::size_t Split(std::string_view line, std::array<std::string_view, kColumns + 1>& fields) {
    std::size_t count = 0;
    while (count < fields.size()) {
        const std::size_t comma = line.find(',');
        fields[count++] = line.substr(0, comma);
        if (comma == std::string_view::npos) {
            return count;
        }
        line.remove_prefix(comma + 1);
    }
    return count;  // more fields than a record has
}

// The record of a decoded line; the column of the first value that cannot be one the writer
// wrote is left in badColumn.
std::optional<DetectionLogRecord::Bytes> Decode(const std::array<std::string_view, kColumns + 1>& f,
                                                int& badColumn) {
    const Vocabulary& v = Vocab();
    DetectionLogRecord::Bytes b{};
    const auto bad = [&](int column) {
        badColumn = column;
        return std::nullopt;
    };
    if (!Hex(f[kId], std::span(b).subspan(at::kFelicaId, 8))) {
        return bad(kId);
    }
    if (!Time(f[kTime], std::span(b).subspan<at::kYear, 6>())) {
        return bad(kTime);
    }
    const auto result = WordOrByte(v.results, f[kResult]);
    if (!result) {
        return bad(kResult);
    }
    const auto set = Word(v.sets, f[kSet]);
    if (!set) {
        return bad(kSet);
    }
    // A named result carries its set in the set column; an unnamed one is the whole byte.
    b[at::kResult] =
        Word(v.results, f[kResult]) ? static_cast<std::uint8_t>(*result | *set) : *result;
    const auto kind = WordOrByte(v.kinds, f[kKind]);
    if (!kind) {
        return bad(kKind);
    }
    b[at::kKind] = *kind;
    struct Counter {
        int column;
        std::size_t offset;
        std::size_t size;
    };
    for (const Counter& c :
         {Counter{kBoot, at::kBootCounter, 5}, Counter{kSeconds, at::kSecondsCounter, 4},
          Counter{kTouches, at::kTouchCounter, 2},
          Counter{kCumulative, at::kCumulativeCounter, 4}}) {
        const auto value = Decimal(f[c.column], (std::uint64_t{1} << (8 * c.size)) - 1);
        if (!value) {
            return bad(c.column);
        }
        PutLittle(b, c.offset, *value, c.size);
    }
    b[at::kCheck] = DetectionLogCheckByte(b);
    return b;
}

// The first column in which the line differs from what the writer writes for the record.
int FirstDifference(std::string_view line, std::string_view written) {
    std::array<std::string_view, kColumns + 1> a;
    std::array<std::string_view, kColumns + 1> b;
    const std::size_t na = Split(line, a);
    const std::size_t nb = Split(written, b);
    for (std::size_t i = 0; i < std::min(na, nb); ++i) {
        if (a[i] != b[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

class Parser {
  public:
    explicit Parser(std::string_view bytes) : bytes_(bytes) {}

    DetectionLogCsvContent Run() {
        if (!ReadLines()) {
            content_.records.clear();
        }
        return std::move(content_);
    }

  private:
    bool Fail(Problem problem, std::int64_t line, int column = -1) {
        content_.error = DetectionLogCsvError{problem, line, column};
        return false;
    }

    bool ReadLines() {
        const Vocabulary& v = Vocab();
        std::int64_t lineNumber = 0;
        std::size_t pos = 0;
        while (pos < bytes_.size()) {
            ++lineNumber;
            const std::size_t lf = bytes_.find('\n', pos);
            if (lf == std::string_view::npos) {
                const std::string_view rest = bytes_.substr(pos);
                const bool header = lineNumber == 1 && !v.headerLine.starts_with(rest);
                return Fail(header ? Problem::kHeader : Problem::kCutLine, lineNumber);
            }
            std::string_view line = bytes_.substr(pos, lf - pos);
            pos = lf + 1;
            const bool crlf = line.ends_with('\r');
            if (crlf) {
                line.remove_suffix(1);
            }
            if (lineNumber == 1 && line != v.header) {
                return Fail(Problem::kHeader, lineNumber);
            }
            if (!crlf) {
                return Fail(Problem::kLineEnd, lineNumber);
            }
            if (lineNumber > 1 && !Record(line, lineNumber)) {
                return false;
            }
        }
        return lineNumber > 0 || Fail(Problem::kHeader, 1);
    }

    bool Record(std::string_view line, std::int64_t lineNumber) {
        std::array<std::string_view, kColumns + 1> fields;
        const std::size_t count = Split(line, fields);
        DetectionLogRecord record;
        record.number = static_cast<std::int64_t>(content_.records.size()) + 1;
        if (count < 2) {
            return Fail(Problem::kFieldCount, lineNumber);
        }
        if (Decimal(fields[kNumber], INT64_MAX) != static_cast<std::uint64_t>(record.number)) {
            return Fail(Problem::kField, lineNumber, kNumber);
        }
        const Vocabulary& v = Vocab();
        const bool marked = count == 2 && fields[1].starts_with(v.inconsistentStart);
        if (marked) {
            std::string_view hex = fields[1].substr(v.inconsistentStart.size());
            if (!hex.ends_with(v.inconsistentEnd) ||
                !Hex(hex.substr(0, hex.size() - v.inconsistentEnd.size()), record.bytes)) {
                return Fail(Problem::kField, lineNumber);
            }
        } else if (count != kColumns) {
            return Fail(Problem::kFieldCount, lineNumber);
        } else {
            int badColumn = -1;
            const auto bytes = Decode(fields, badColumn);
            if (!bytes) {
                return Fail(Problem::kField, lineNumber, badColumn);
            }
            record.bytes = *bytes;
        }
        // What the writer makes of these bytes must be the line itself: leading zeros, upper-case
        // hexadecimal, a set that does not go with its result, a marked record whose check holds
        // and the like are not lines of the tool.
        std::string written = DetectionLogCsvLine(record.bytes, record.number);
        written.resize(written.size() - 2);
        if (written != line) {
            return Fail(Problem::kField, lineNumber, marked ? -1 : FirstDifference(line, written));
        }
        content_.records.push_back(record);
        return true;
    }

    std::string_view bytes_;
    DetectionLogCsvContent content_;
};

}  // namespace

DetectionLogCsvContent ParseDetectionLogCsv(std::string_view bytes) {
    return Parser(bytes).Run();
}

DetectionLogCsvContent ReadDetectionLogCsv(const std::string& path) {
    DetectionLogCsvContent content;
    // A file known to be too large is refused before any of it is read.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > kDetectionLogCsvMaxBytes) {
        content.error = DetectionLogCsvError{Problem::kTooLarge};
        return content;
    }
    const FileRead file = ReadRegularFile(path, kDetectionLogCsvMaxBytes);
    if (file.status == FileReadStatus::TooLarge) {
        content.error = DetectionLogCsvError{Problem::kTooLarge};  // it grew meanwhile
        return content;
    }
    if (!file.Ok()) {
        content.error = DetectionLogCsvError{Problem::kCannotOpen};
        return content;
    }
    return ParseDetectionLogCsv(file.bytes);
}

std::string DetectionLogCsvErrorText(const DetectionLogCsvError& error) {
    namespace ids = res::ids;
    const auto line = static_cast<long long>(error.line);
    switch (error.problem) {
        case Problem::kCannotOpen:
            return std::string(res::Text(ids::kFileOpenFailed));
        case Problem::kTooLarge:
            return res::Format(res::Text(ids::kDlogViewTooLarge),
                               static_cast<int>(kDetectionLogCsvMaxBytes >> 20));
        case Problem::kHeader:
            return res::Format(res::Text(ids::kDlogViewNotHeader), line);
        case Problem::kCutLine:
            return res::Format(res::Text(ids::kDlogViewCutLine), line);
        case Problem::kLineEnd:
            return res::Format(res::Text(ids::kDlogViewLineEnd), line);
        case Problem::kFieldCount:
            return res::Format(res::Text(ids::kDlogViewFieldCount), line);
        case Problem::kField:
            break;
    }
    std::array<std::string_view, kColumns + 1> names;
    const std::string header(res::Text(ids::kCsvHeader));
    Split(header, names);
    if (error.column < 0 || error.column >= static_cast<int>(kColumns)) {
        return res::Format(res::Text(ids::kDlogViewBadLine), line);
    }
    return res::Format(res::Text(ids::kDlogViewBadValue), line,
                       std::string(names[static_cast<std::size_t>(error.column)]).c_str());
}

}  // namespace morvik
