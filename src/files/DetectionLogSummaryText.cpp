#include "files/DetectionLogSummaryText.h"

#include <charconv>
#include <iterator>

#include "files/DetectionLogCsv.h"
#include "model/Cp932.h"
#include "res/DetectionLogViewIds.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// Parts of the totals line stand apart by a full-width space, as Japanese text does.
constexpr std::string_view kGap = "\u3000";

std::string Text(int id) {
    return std::string(res::Text(id));
}

}  // namespace

std::string DetectionLogResultLabel(int key) {
    return Cp932ToUtf8(DetectionLogResultText(static_cast<std::uint8_t>(key)));
}

std::string DetectionLogKindLabel(int kind) {
    return Cp932ToUtf8(DetectionLogKindText(static_cast<std::uint8_t>(kind)));
}

std::string DetectionLogSetLabel(int setBits) {
    return Cp932ToUtf8(DetectionLogSetText(static_cast<std::uint8_t>(setBits << 6)));
}

std::string DetectionLogOutcomeLabel(DetectionOutcome outcome) {
    switch (outcome) {
        case DetectionOutcome::kSuccess:
            return Text(ids::kResultSuccess);
        case DetectionOutcome::kCardDetected:
            return Text(ids::kResultFelicaCard);
        case DetectionOutcome::kFailure:
            return Text(ids::kDlogViewFailure);
        case DetectionOutcome::kInternalError:
            return Text(ids::kResultInternalError);
        case DetectionOutcome::kOther:
            break;
    }
    return Text(ids::kDlogViewOther);
}

std::string GroupedNumber(std::int64_t value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, ",");
    }
    return value < 0 ? "-" + digits : digits;
}

std::string DetectionLogTimeText(const DetectionLogTime& t, bool withSeconds) {
    return withSeconds
               ? res::Format("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                             t.minute, t.second)
               : res::Format("%04d/%02d/%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

std::string DetectionLogDateText(std::int32_t day) {
    const DetectionLogTime date = DetectionLogDate(day);
    return res::Format("%04d/%02d/%02d", date.year, date.month, date.day);
}

std::string PercentText(double share) {
    // Not printf: the desktop tool runs in the user's locale, whose decimal mark may be a comma.
    char text[32];
    const auto end =
        std::to_chars(std::begin(text), std::end(text), share * 100.0, std::chars_format::fixed, 1)
            .ptr;
    return std::string(text, end);
}

std::string DetectionLogTotalsLine(const DetectionLogSummary& summary) {
    std::string line =
        res::Format(Text(ids::kDlogViewRecords), GroupedNumber(summary.records).c_str());
    if (summary.first && summary.last) {
        line += kGap;
        line +=
            res::Format(Text(ids::kDlogViewPeriod), DetectionLogTimeText(*summary.first).c_str(),
                        DetectionLogTimeText(*summary.last).c_str());
    }
    line += kGap;
    const std::optional<double> rate = summary.SuccessRate();
    line += rate ? res::Format(Text(ids::kDlogViewSuccessRate), PercentText(*rate).c_str())
                 : Text(ids::kDlogViewNoSuccessRate);
    if (summary.inconsistent > 0) {
        line += kGap;
        line += res::Format(Text(ids::kDlogViewInconsistent),
                            GroupedNumber(summary.inconsistent).c_str());
    }
    if (summary.undated > 0) {
        line += kGap;
        line += res::Format(Text(ids::kDlogViewUndated), GroupedNumber(summary.undated).c_str());
    }
    return line;
}

}  // namespace morvik
