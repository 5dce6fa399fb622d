// morvik dlog summary [--from DATE] [--to DATE] FILE.csv: the figures of the detection log
// window for a detection log CSV the tool wrote, as text tables or (--json) as JSON. No terminal
// is involved.

#include <optional>

#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "cli/DlogSummaryReport.h"
#include "files/DetectionLogCsvReader.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kFrom = "--from";
constexpr std::string_view kTo = "--to";

// "2024-05-01" or "2024/05/01" as a day number.
std::optional<std::int32_t> ParseDay(const std::string& text) {
    int numbers[3] = {0, 0, 0};
    std::size_t part = 0;
    std::size_t digits = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9' && digits < 4) {
            numbers[part] = numbers[part] * 10 + (c - '0');
            ++digits;
        } else if ((c == '-' || c == '/') && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else {
            return std::nullopt;
        }
    }
    const DetectionLogTime date{numbers[0], numbers[1], numbers[2], 0, 0, 0};
    if (part != 2 || digits == 0 || !date.Valid()) {
        return std::nullopt;
    }
    return date.Day();
}

// The option's day; false (the message printed) when its value is no date.
bool OptionDay(const CliArguments& args, std::string_view option,
               std::optional<std::int32_t>& day) {
    const std::optional<std::string> text = args.Value(option);
    if (!text) {
        return true;
    }
    day = ParseDay(*text);
    if (!day) {
        PrintError(FormatText(ids::kBadDate, *text));
        return false;
    }
    return true;
}

int RunDlogSummary(CliContext& /*context*/, const CliArguments& args) {
    const std::string& path = args.Operand(0);
    JsonResult()["file"] = path;
    JsonResult()["summary"] = nullptr;

    std::optional<std::int32_t> from;
    std::optional<std::int32_t> to;
    if (!OptionDay(args, kFrom, from) || !OptionDay(args, kTo, to)) {
        return kExitUsage;
    }
    if (from && to && *from > *to) {
        PrintError(Text(ids::kDatesReversed));
        return kExitUsage;
    }
    const DetectionLogCsvContent content = ReadDetectionLogCsv(path);
    if (content.error) {
        PrintError(DetectionLogCsvErrorText(*content.error));
        return kExitFailure;
    }
    std::optional<DetectionLogPeriod> period;
    if (from || to) {
        // An open end is the log's own first or last day.
        const std::optional<DetectionLogPeriod> days = DetectionLogDays(content.records);
        const std::int32_t first = from.value_or(days ? days->firstDay : *to);
        const std::int32_t last = to.value_or(days ? days->lastDay : *from);
        period = ChosenPeriod(days, {first, last});
    }
    const DetectionLogSummary summary = SummarizeDetectionLog(content.records, period);
    if (JsonMode()) {
        JsonResult()["summary"] = DlogSummaryJson(summary);
    } else {
        PrintOut(DlogSummaryTables(path, summary));
    }
    return kExitOk;
}

const CliCommandRegistration kDlogSummary(
    {.name = "dlog summary",
     .summaryId = ids::kDlogSummarySummary,
     .helpId = ids::kDlogSummaryHelp,
     .operands = {{.name = "FILE.csv", .extension = "csv"}},
     .options = {{.name = kFrom, .value = "日付", .helpId = ids::kFromHelp},
                 {.name = kTo, .value = "日付", .helpId = ids::kToHelp}},
     .run = RunDlogSummary});

}  // namespace
}  // namespace morvik::cli
