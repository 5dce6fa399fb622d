#include "cli/DlogSummaryReport.h"

#include <algorithm>
#include <cmath>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "cli/TextTable.h"
#include "files/DetectionLogSummaryText.h"
#include "res/DetectionLogViewIds.h"

namespace morvik::cli {
namespace {

namespace view = res::ids;

// The outcomes as JSON names, in DetectionOutcome's order.
constexpr const char* kOutcomeKeys[kDetectionOutcomeCount] = {"success", "cardDetected", "failure",
                                                              "internalError", "other"};

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

// A share as a JSON number rounded to four places (the tables show its percentage to one), so
// that a script gets 0.8333 and not the float's last digits.
Json JsonFraction(double share) {
    return std::round(share * 10000.0) / 10000.0;
}

Json JsonShare(std::int64_t count, std::int64_t total) {
    return total > 0 ? JsonFraction(static_cast<double>(count) / static_cast<double>(total))
                     : Json(nullptr);
}

Json JsonTime(const std::optional<DetectionLogTime>& time) {
    if (!time) {
        return nullptr;
    }
    return res::Format("%04d-%02d-%02dT%02d:%02d:%02d", time->year, time->month, time->day,
                       time->hour, time->minute, time->second);
}

Json JsonOutcomes(Json object, const DetectionOutcomeCounts& counts) {
    object["total"] = Total(counts);
    for (std::size_t o = 0; o < kDetectionOutcomeCount; ++o) {
        object[kOutcomeKeys[o]] = counts[o];
    }
    return object;
}

Json JsonCounts(const std::vector<DetectionLogCount>& counts, const char* name,
                std::string (*label)(int)) {
    Json list = Json::array();
    const std::int64_t total = Sum(counts);
    for (const DetectionLogCount& c : counts) {
        list.push_back({{"code", c.key},
                        {name, label(c.key)},
                        {"count", c.count},
                        {"share", JsonShare(c.count, total)}});
    }
    return list;
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

Json DlogSummaryJson(const DetectionLogSummary& summary) {
    const std::optional<double> rate = summary.SuccessRate();
    Json out = Json::object();
    out["records"] = summary.records;
    out["inconsistent"] = summary.inconsistent;
    out["undated"] = summary.undated;
    out["first"] = JsonTime(summary.first);
    out["last"] = JsonTime(summary.last);
    out["successRate"] = rate ? JsonFraction(*rate) : Json(nullptr);
    out["outcomes"] = JsonOutcomes(Json::object(), summary.outcomes);
    out["perDay"] = Json::array();
    for (const DetectionLogDay& day : summary.perDay) {
        const DetectionLogTime date = DetectionLogDate(day.day);
        out["perDay"].push_back(
            JsonOutcomes({{"date", res::Format("%04d-%02d-%02d", date.year, date.month, date.day)}},
                         day.counts));
    }
    out["perHour"] = Json::array();
    for (std::size_t hour = 0; hour < summary.perHour.size(); ++hour) {
        out["perHour"].push_back(JsonOutcomes({{"hour", hour}}, summary.perHour[hour]));
    }
    out["perResult"] = JsonCounts(summary.perResult, "result", DetectionLogResultLabel);
    out["perKind"] = JsonCounts(MostFirst(summary.perKind), "kind", DetectionLogKindLabel);
    out["perSet"] = JsonCounts(summary.perSet, "set", DetectionLogSetLabel);
    return out;
}

}  // namespace morvik::cli
