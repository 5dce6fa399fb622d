#include "cli/FleetView.h"

#include <cstdio>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "cli/TextTable.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

std::string PortName(int port) {
    return FormatText(res::ids::kComPortFormat, port);
}

std::string Progress(const FleetRow& row) {
    return row.percent < 0 ? "" : std::to_string(row.percent) + "%";
}

std::string Seconds(double seconds) {
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

std::string LiveTable(const std::vector<FleetRow>& rows) {
    TextTable table({Text(ids::kFleetColumnPort), Text(ids::kFleetColumnEdition),
                     Text(ids::kFleetColumnTerminalId), Text(ids::kFleetColumnStep),
                     Text(ids::kFleetColumnProgress), Text(ids::kFleetColumnResult)});
    for (const FleetRow& row : rows) {
        table.Add({PortName(row.port), row.edition, row.terminalId, row.step, Progress(row),
                   FleetOutcomeText(row.outcome)});
    }
    return table.Render();
}

int LineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return lines;
}

}  // namespace

void FleetView::Show(const std::vector<FleetRow>& rows, const std::vector<FleetEvent>& events) {
    if (JsonMode()) {
        return;  // standard output holds the one JSON object
    }
    if (!live_) {
        for (const FleetEvent& event : events) {
            PrintOut(PortName(event.port) + ": " + event.text);
        }
        return;
    }
    // Back to the table's first line, the new events over it, the table again below them.
    std::string screen;
    if (drawnLines_ > 0) {
        screen += "\x1b[" + std::to_string(drawnLines_) + "A\r";
    }
    for (const FleetEvent& event : events) {
        screen += "\x1b[K" + PortName(event.port) + ": " + event.text + "\n";
    }
    const std::string table = LiveTable(rows);
    size_t start = 0;
    while (start < table.size()) {
        const size_t end = table.find('\n', start);
        screen += "\x1b[K" + table.substr(start, end - start) + "\n";
        start = end == std::string::npos ? table.size() : end + 1;
    }
    std::fputs(screen.c_str(), stdout);
    std::fflush(stdout);
    drawnLines_ = LineCount(table);
}

void FleetView::Summary(const std::vector<FleetRow>& rows) {
    int succeeded = 0;
    int skipped = 0;
    for (const FleetRow& row : rows) {
        succeeded += row.outcome == FleetOutcome::kSucceeded ? 1 : 0;
        skipped += row.outcome == FleetOutcome::kSkipped ? 1 : 0;
    }
    const int total = static_cast<int>(rows.size());
    if (!JsonMode()) {
        TextTable table({Text(ids::kFleetColumnPort), Text(ids::kFleetColumnEdition),
                         Text(ids::kFleetColumnTerminalId), Text(ids::kFleetColumnResult),
                         Text(ids::kFleetColumnSeconds)});
        for (const FleetRow& row : rows) {
            table.Add({PortName(row.port), row.edition, row.terminalId,
                       FleetOutcomeText(row.outcome), Seconds(row.seconds)});
        }
        // The live table gives way to the summary.
        PrintOut(
            (live_ ? "\n" : "") + table.Render() +
            FormatText(ids::kFleetSummary, total, succeeded, skipped, total - succeeded - skipped));
    }
    if (succeeded == total) {
        return;
    }
    std::string failures = Text(ids::kFleetNotSucceeded);
    for (const FleetRow& row : rows) {
        if (row.outcome != FleetOutcome::kSucceeded) {
            failures += "\n  " + PortName(row.port) + " " + FleetOutcomeText(row.outcome) +
                        (row.message.empty() ? "" : ": " + row.message);
        }
    }
    PrintError(failures);
}

}  // namespace morvik::cli
