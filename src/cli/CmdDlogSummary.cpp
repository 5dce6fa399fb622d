// morvik dlog summary [--json] [--from DATE] [--to DATE] FILE.csv: the figures of the detection
// log window for a detection log CSV the tool wrote, as text tables or as JSON. No terminal is
// involved.

#include <optional>

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "cli/DlogSummaryReport.h"
#include "files/DetectionLogCsvReader.h"

namespace morvik::cli {
namespace {

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

struct Arguments {
    bool json = false;
    std::optional<std::int32_t> from;
    std::optional<std::int32_t> to;
    std::string path;
};

// The arguments, or the usage error to print.
std::optional<std::string> Parse(std::vector<std::string>& args, Arguments& parsed) {
    parsed.json = TakeFlag(args, "--json");
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const std::size_t equals = option.find('=');
            option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option == "--from" || option == "--to") {
            if (!value && i + 1 >= args.size()) {
                return FormatText(ids::kOptionNeedsValue, option);
            }
            const std::string text = value ? *value : args[++i];
            const std::optional<std::int32_t> day = ParseDay(text);
            if (!day) {
                return FormatText(ids::kBadDate, text);
            }
            (option == "--from" ? parsed.from : parsed.to) = day;
        } else if (option.starts_with("-")) {
            return FormatText(ids::kUnknownOption, args[i]);
        } else if (!parsed.path.empty()) {
            return FormatText(ids::kExtraArguments, args[i]);
        } else {
            parsed.path = args[i];
        }
    }
    if (parsed.path.empty()) {
        return Text(ids::kFileArgumentNeeded);
    }
    if (parsed.from && parsed.to && *parsed.from > *parsed.to) {
        return Text(ids::kDatesReversed);
    }
    return std::nullopt;
}

int RunDlogSummary(CliContext& /*context*/, std::vector<std::string>& args) {
    Arguments parsed;
    if (const std::optional<std::string> error = Parse(args, parsed)) {
        PrintError(*error);
        return kExitUsage;
    }
    const DetectionLogCsvContent content = ReadDetectionLogCsv(parsed.path);
    if (content.error) {
        PrintError(DetectionLogCsvErrorText(*content.error));
        return kExitFailure;
    }
    std::optional<DetectionLogPeriod> period;
    if (parsed.from || parsed.to) {
        // An open end is the log's own first or last day.
        const std::optional<DetectionLogPeriod> days = DetectionLogDays(content.records);
        const std::int32_t from = parsed.from.value_or(days ? days->firstDay : *parsed.to);
        const std::int32_t to = parsed.to.value_or(days ? days->lastDay : *parsed.from);
        period = ChosenPeriod(days, {from, to});
    }
    const DetectionLogSummary summary = SummarizeDetectionLog(content.records, period);
    PrintOut(parsed.json ? DlogSummaryJson(parsed.path, summary)
                         : DlogSummaryTables(parsed.path, summary));
    return kExitOk;
}

const CliCommandRegistration kDlogSummary({"dlog summary", ids::kDlogSummarySummary,
                                           ids::kDlogSummaryHelp, RunDlogSummary});

}  // namespace
}  // namespace morvik::cli
