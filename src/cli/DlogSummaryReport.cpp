#include "cli/DlogSummaryReport.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "cli/TextTable.h"
#include "files/DetectionLogSummaryText.h"
#include "res/DetectionLogViewIds.h"

namespace morvik::cli {
namespace {

namespace view = res::ids;

// The outcomes as JSON names, in DetectionOutcome's order.
constexpr const char* kOutcomeKeys[kDetectionOutcomeCount] = {"success", "card_detected", "failure",
                                                              "internal_error", "other"};

std::string Share(std::int64_t count, std::int64_t total) {
    return total > 0 ? PercentText(static_cast<double>(count) / static_cast<double>(total)) + "%"
                     : std::string("-");
}

std::int64_t Sum(const std::vector<DetectionLogCount>& counts) {
    std::int64_t total = 0;
    for (const DetectionLogCount& c : counts) {
        total += c.count;
    }
    return total;
}

std::vector<DetectionLogCount> MostFirst(std::vector<DetectionLogCount> counts) {
    std::stable_sort(
        counts.begin(), counts.end(),
        [](const DetectionLogCount& a, const DetectionLogCount& b) { return a.count > b.count; });
    return counts;
}

std::vector<std::string> OutcomeHeader(int firstColumn) {
    std::vector<std::string> header = {Text(firstColumn), Text(ids::kColumnTotal)};
    for (std::size_t o = 0; o < kDetectionOutcomeCount; ++o) {
        header.push_back(DetectionLogOutcomeLabel(static_cast<DetectionOutcome>(o)));
    }
    return header;
}

std::vector<std::string> OutcomeRow(std::string label, const DetectionOutcomeCounts& counts) {
    std::vector<std::string> row = {std::move(label), GroupedNumber(Total(counts))};
    for (std::int64_t count : counts) {
        row.push_back(GroupedNumber(count));
    }
    return row;
}

// A table of shares, headed by its title, whose first column the title names too.
std::string Shares(int title, const std::vector<DetectionLogCount>& counts,
                   std::string (*label)(int)) {
    TextTable table({Text(title), Text(ids::kColumnCount), Text(ids::kColumnShare)});
    const std::int64_t total = Sum(counts);
    for (const DetectionLogCount& c : counts) {
        table.Add({label(c.key), GroupedNumber(c.count), Share(c.count, total)});
    }
    return "\n" + Text(title) + "\n" + table.Render();
}

std::string Json(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += res::Format("\\u%04x", static_cast<unsigned>(c));
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Json(std::int64_t value) {
    return std::to_string(value);
}

std::string JsonNumber(double value) {
    char text[32];
    const auto end =
        std::to_chars(std::begin(text), std::end(text), value, std::chars_format::fixed, 4).ptr;
    return std::string(text, end);
}

std::string JsonShare(std::int64_t count, std::int64_t total) {
    return total > 0 ? JsonNumber(static_cast<double>(count) / static_cast<double>(total))
                     : std::string("null");
}

std::string JsonDate(std::int32_t day) {
    const DetectionLogTime date = DetectionLogDate(day);
    return Json(res::Format("%04d-%02d-%02d", date.year, date.month, date.day));
}

std::string JsonTime(const std::optional<DetectionLogTime>& time) {
    if (!time) {
        return "null";
    }
    return Json(res::Format("%04d-%02d-%02dT%02d:%02d:%02d", time->year, time->month, time->day,
                            time->hour, time->minute, time->second));
}

std::string JsonOutcomes(const DetectionOutcomeCounts& counts) {
    std::string out = "\"total\": " + Json(Total(counts));
    for (std::size_t o = 0; o < kDetectionOutcomeCount; ++o) {
        out += ", \"" + std::string(kOutcomeKeys[o]) + "\": " + Json(counts[o]);
    }
    return out;
}

// A list of objects, one per line.
std::string JsonList(const std::vector<std::string>& objects) {
    std::string out = "[";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        out += (i == 0 ? "\n    " : ",\n    ") + objects[i];
    }
    return out + (objects.empty() ? "]" : "\n  ]");
}

std::string JsonCounts(const std::vector<DetectionLogCount>& counts, const char* name,
                       std::string (*label)(int)) {
    std::vector<std::string> objects;
    const std::int64_t total = Sum(counts);
    for (const DetectionLogCount& c : counts) {
        objects.push_back("{\"code\": " + Json(c.key) + ", \"" + name +
                          "\": " + Json(label(c.key)) + ", \"count\": " + Json(c.count) +
                          ", \"share\": " + JsonShare(c.count, total) + "}");
    }
    return JsonList(objects);
}

}  // namespace

std::string DlogSummaryTables(const std::string& fileName, const DetectionLogSummary& summary) {
    std::string text =
        FormatText(ids::kSummaryFile, fileName) + "\n" + DetectionLogTotalsLine(summary) + "\n";

    TextTable days(OutcomeHeader(ids::kColumnDate));
    for (const DetectionLogDay& day : summary.perDay) {
        days.Add(OutcomeRow(DetectionLogDateText(day.day), day.counts));
    }
    text += "\n" + Text(view::kDlogViewPerDay) + "\n" + days.Render();

    TextTable hours(OutcomeHeader(ids::kColumnHour));
    for (std::size_t hour = 0; hour < summary.perHour.size(); ++hour) {
        hours.Add(OutcomeRow(std::to_string(hour) + Text(view::kDlogViewHourUnit),
                             summary.perHour[hour]));
    }
    text += "\n" + Text(view::kDlogViewPerHour) + "\n" + hours.Render();

    text += Shares(view::kDlogViewResults, summary.perResult, DetectionLogResultLabel);
    text += Shares(view::kDlogViewKinds, MostFirst(summary.perKind), DetectionLogKindLabel);
    text += Shares(view::kDlogViewSets, summary.perSet, DetectionLogSetLabel);
    return text;
}

std::string DlogSummaryJson(const std::string& fileName, const DetectionLogSummary& summary) {
    const std::optional<double> rate = summary.SuccessRate();
    std::string out = "{\n";
    out += "  \"file\": " + Json(fileName) + ",\n";
    out += "  \"records\": " + Json(summary.records) + ",\n";
    out += "  \"inconsistent\": " + Json(summary.inconsistent) + ",\n";
    out += "  \"undated\": " + Json(summary.undated) + ",\n";
    out += "  \"first\": " + JsonTime(summary.first) + ",\n";
    out += "  \"last\": " + JsonTime(summary.last) + ",\n";
    out += "  \"success_rate\": " + (rate ? JsonNumber(*rate) : std::string("null")) + ",\n";
    out += "  \"outcomes\": {" + JsonOutcomes(summary.outcomes) + "},\n";
    std::vector<std::string> days;
    for (const DetectionLogDay& day : summary.perDay) {
        days.push_back("{\"date\": " + JsonDate(day.day) + ", " + JsonOutcomes(day.counts) + "}");
    }
    out += "  \"per_day\": " + JsonList(days) + ",\n";
    std::vector<std::string> hours;
    for (std::size_t hour = 0; hour < summary.perHour.size(); ++hour) {
        hours.push_back("{\"hour\": " + std::to_string(hour) + ", " +
                        JsonOutcomes(summary.perHour[hour]) + "}");
    }
    out += "  \"per_hour\": " + JsonList(hours) + ",\n";
    out += "  \"per_result\": " + JsonCounts(summary.perResult, "result", DetectionLogResultLabel) +
           ",\n";
    out +=
        "  \"per_kind\": " + JsonCounts(MostFirst(summary.perKind), "kind", DetectionLogKindLabel) +
        ",\n";
    out += "  \"per_set\": " + JsonCounts(summary.perSet, "set", DetectionLogSetLabel) + "\n";
    return out + "}\n";
}

}  // namespace morvik::cli
