// morvik fleet ACTION: one command on every attached terminal at once (FleetRun.h). The actions
// are the single-terminal commands info, write, clock, firmware, dlog get, maint, easy and
// service, with their own operands and options; dlog get and maint take a folder, in which each
// terminal's file is named by its terminal ID and the date. The ports are those of every cable
// the adapter lookup finds, those of --ports, or those of a report's terminals that did not
// succeed (--only-failed). Exit 0 only when every terminal succeeded.

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <set>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliQuickWrite.h"
#include "cli/CliStringIds.h"
#include "cli/FleetReport.h"
#include "cli/FleetRun.h"
#include "cli/FleetView.h"
#include "link/AdapterLookup.h"
#include "link/PortMap.h"
#include "model/Utf8Path.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kPorts = "--ports";
constexpr std::string_view kReport = "--report";
constexpr std::string_view kOnlyFailed = "--only-failed";
constexpr std::chrono::milliseconds kRedraw{200};

// "3,5-8": the COM numbers, ascending and each once; nothing when the list is not one.
std::optional<std::vector<int>> ParsePorts(const std::string& list) {
    std::set<int> ports;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t comma = list.find(',', start);
        const std::string item =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t dash = item.find('-');
        auto number = [](const std::string& text) -> int {
            if (text.empty() || text.size() > 3 ||
                text.find_first_not_of("0123456789") != std::string::npos) {
                return 0;
            }
            const int value = std::stoi(text);
            return value >= kFirstComPort && value <= kLastComPort ? value : 0;
        };
        const int first = number(item.substr(0, dash));
        const int last = dash == std::string::npos ? first : number(item.substr(dash + 1));
        if (first == 0 || last == 0 || last < first) {
            return std::nullopt;
        }
        for (int port = first; port <= last; ++port) {
            ports.insert(port);
        }
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return std::vector<int>(ports.begin(), ports.end());
}

// The rows to run: the ports chosen, each with its cable's serial number when it is a cable.
std::optional<std::vector<FleetRow>> ChooseRows(const CliArguments& args, int& exitCode) {
    PortMap map;
    const std::vector<AdapterCable> cables = LookupAdapterCables(map);
    std::vector<int> ports;
    exitCode = kExitUsage;
    if (args.Has(kPorts) && args.Has(kOnlyFailed)) {
        PrintError(Text(ids::kFleetPortsAndOnlyFailed));
        return std::nullopt;
    }
    if (const std::optional<std::string> list = args.Value(kPorts)) {
        const std::optional<std::vector<int>> parsed = ParsePorts(*list);
        if (!parsed) {
            PrintError(FormatText(ids::kFleetBadPorts, *list));
            return std::nullopt;
        }
        ports = *parsed;
    } else if (const std::optional<std::string> report = args.Value(kOnlyFailed)) {
        exitCode = kExitFailure;
        const std::optional<std::vector<int>> retry = PortsToRetry(*report);
        if (!retry) {
            PrintError(FormatText(ids::kFleetReportUnreadable, *report));
            return std::nullopt;
        }
        if (retry->empty()) {
            PrintError(FormatText(ids::kFleetNothingFailed, *report));
            return std::nullopt;
        }
        ports = *retry;
    } else {
        for (const AdapterCable& cable : cables) {
            ports.push_back(cable.port);
        }
        if (ports.empty()) {
            exitCode = kExitFailure;
            PrintError(Text(ids::kFleetNoCables));
            return std::nullopt;
        }
    }
    std::vector<FleetRow> rows;
    for (int port : ports) {
        FleetRow row;
        row.port = port;
        for (const AdapterCable& cable : cables) {
            if (cable.port == port) {
                row.cableSerial = cable.serial;
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

int RunFleet(CliContext& context, const CliArguments& args, std::string_view actionName) {
    if (!context.Options().device.empty() || context.Options().port) {
        // Every terminal has its own port here.
        PrintError(Text(ids::kFleetNoPortOption));
        return kExitUsage;
    }
    int exitCode = kExitFailure;
    std::optional<std::vector<FleetRow>> rows = ChooseRows(args, exitCode);
    if (!rows) {
        return exitCode;
    }
    FleetAction action = FleetActionFor(actionName);
    action.operands = args.Operands();
    if (!action.perTerminalExtension.empty() &&
        !std::filesystem::is_directory(PathFromUtf8(action.operands.front()))) {
        PrintError(FormatText(ids::kFleetNoFolder, action.operands.front()));
        return kExitFailure;
    }
    for (const CliOption& option : action.command->options) {
        if (args.Has(option.name)) {
            action.options.emplace_back(option.name, args.Value(option.name).value_or(""));
        }
    }
    JsonResult()["action"] = std::string(actionName);

    InterruptGuard interrupt;
    FleetRunner runner(std::move(action), context.Options(), std::move(*rows));
    FleetView view(::isatty(STDOUT_FILENO) == 1);
    runner.Start();
    while (!runner.Finished()) {
        view.Show(runner.Snapshot(), runner.TakeEvents());
        std::this_thread::sleep_for(kRedraw);
    }
    runner.Join();
    const std::vector<FleetRow> done = runner.Snapshot();
    view.Show(done, runner.TakeEvents());

    JsonResult()["terminals"] = FleetReportJson(done);
    view.Summary(done);
    bool everyOne = true;
    for (const FleetRow& row : done) {
        everyOne = everyOne && row.outcome == FleetOutcome::kSucceeded;
    }
    int code = everyOne ? kExitOk : kExitFailure;
    if (const std::optional<std::string> report = args.Value(kReport)) {
        if (SaveFleetReport(*report, done)) {
            PrintInfo(FormatText(ids::kFleetReportSaved, *report));
        } else {
            PrintError(FormatText(ids::kFleetReportSaveFailed, *report));
            code = kExitFailure;
        }
    }
    return Interrupted() ? ReportInterrupted() : code;
}

// The fleet's own options after the action's.
std::vector<CliOption> WithFleetOptions(std::vector<CliOption> options) {
    options.push_back({.name = kPorts, .value = "LIST", .helpId = ids::kFleetPortsHelp});
    options.push_back({.name = kReport,
                       .value = "FILE.csv",
                       .helpId = ids::kFleetReportHelp,
                       .completion = CliCompletion::kFiles,
                       .extension = "csv"});
    options.push_back({.name = kOnlyFailed,
                       .value = "REPORT.csv",
                       .helpId = ids::kFleetOnlyFailedHelp,
                       .completion = CliCompletion::kFiles,
                       .extension = "csv"});
    return options;
}

const CliCommandRegistration kFleetInfo({.name = "fleet info",
                                         .summaryId = ids::kFleetInfoSummary,
                                         .helpId = ids::kFleetInfoHelp,
                                         .options = WithFleetOptions({}),
                                         .run = [](CliContext& c, const CliArguments& a) {
                                             return RunFleet(c, a, "info");
                                         }});

const CliCommandRegistration kFleetWrite(
    {.name = "fleet write",
     .summaryId = ids::kFleetWriteSummary,
     .helpId = ids::kFleetWriteHelp,
     .operands = {{.name = "FILE.dat", .extension = "dat"}},
     .options = WithFleetOptions({{.name = "--set-clock", .helpId = ids::kSetClockHelp}}),
     .run = [](CliContext& c, const CliArguments& a) { return RunFleet(c, a, "write"); }});

const CliCommandRegistration kFleetClock({.name = "fleet clock",
                                          .summaryId = ids::kFleetClockSummary,
                                          .helpId = ids::kFleetClockHelp,
                                          .options = WithFleetOptions({}),
                                          .run = [](CliContext& c, const CliArguments& a) {
                                              return RunFleet(c, a, "clock");
                                          }});

const CliCommandRegistration kFleetFirmware(
    {.name = "fleet firmware",
     .summaryId = ids::kFleetFirmwareSummary,
     .helpId = ids::kFleetFirmwareHelp,
     .operands = {{.name = "IMAGE.x", .extension = "x"}},
     .options = WithFleetOptions({{.name = "--wait", .value = "秒", .helpId = ids::kWaitHelp}}),
     .run = [](CliContext& c, const CliArguments& a) { return RunFleet(c, a, "firmware"); }});

const CliCommandRegistration kFleetDlogGet({.name = "fleet dlog get",
                                            .summaryId = ids::kFleetDlogGetSummary,
                                            .helpId = ids::kFleetDlogGetHelp,
                                            .operands = {{.name = "FOLDER"}},
                                            .options = WithFleetOptions({}),
                                            .run = [](CliContext& c, const CliArguments& a) {
                                                return RunFleet(c, a, "dlog get");
                                            }});

const CliCommandRegistration kFleetMaint({.name = "fleet maint",
                                          .summaryId = ids::kFleetMaintSummary,
                                          .helpId = ids::kFleetMaintHelp,
                                          .operands = {{.name = "FOLDER"}},
                                          .options = WithFleetOptions({}),
                                          .run = [](CliContext& c, const CliArguments& a) {
                                              return RunFleet(c, a, "maint");
                                          }});

const CliCommandRegistration kFleetEasy(
    {.name = "fleet easy",
     .summaryId = ids::kFleetEasySummary,
     .helpId = ids::kFleetEasyHelp,
     .options = WithFleetOptions(QuickWriteOptionDeclarations(QuickWindow::Easy)),
     .run = [](CliContext& c, const CliArguments& a) { return RunFleet(c, a, "easy"); }});

const CliCommandRegistration kFleetService(
    {.name = "fleet service",
     .summaryId = ids::kFleetServiceSummary,
     .helpId = ids::kFleetServiceHelp,
     .options = WithFleetOptions(QuickWriteOptionDeclarations(QuickWindow::Service)),
     .run = [](CliContext& c, const CliArguments& a) { return RunFleet(c, a, "service"); }});

}  // namespace
}  // namespace morvik::cli
