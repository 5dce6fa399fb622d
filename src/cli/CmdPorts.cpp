// morvik ports: where the terminal's cable is. Without options: the adapter lookup, the system's
// serial ports by COM number, and the port the other commands would use. With --search, the
// port search of the options dialog: the adapter lookup, then every serial port in turn until a
// terminal answers; the port found is stored in the preferences as the dialog's OK stores it, so
// the next command without --port uses it (--dry-run only reports).

#include <cstdlib>
#include <optional>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "files/Preferences.h"
#include "link/AdapterLookup.h"
#include "link/PortMap.h"
#include "link/PortSearch.h"
#include "protocol/SearchProbe.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kSearch = "--search";
constexpr std::string_view kDryRun = "--dry-run";

std::string DeviceOf(const PortMap& map, int port) {
    return map.MappedDevice(port).value_or(map.LinkPath(port));
}

Json PortJson(const PortMap& map, int port) {
    return Json{{"port", port}, {"device", DeviceOf(map, port)}};
}

void ShowFound(int port) {
    PrintError(FormatText(ids::kMessageFormat, Text(res::ids::kPortSearchDoneCaption),
                          UnixLineEnds(res::Format(res::Text(res::ids::kPortSearchDone), port))));
}

int ListPorts(CliContext& context) {
    PortMap map;
    const std::optional<int> adapter = LookupAdapterPort(map);
    JsonResult()["adapter"] = adapter ? PortJson(map, *adapter) : Json(nullptr);
    if (adapter) {
        PrintOut(FormatText(ids::kAdapterFound, *adapter, DeviceOf(map, *adapter)));
    } else {
        PrintOut(Text(ids::kAdapterNotFound));
    }
    const std::optional<std::vector<std::string>> ports = map.SystemPortList();
    JsonResult()["ports"] = ports ? Json::array() : Json(nullptr);
    if (!ports) {
        PrintOut(Text(ids::kPortListUnreadable));
    } else if (ports->empty()) {
        PrintOut(Text(ids::kPortListEmpty));
    } else {
        for (const std::string& name : *ports) {
            const int port = std::atoi(name.c_str() + 3);
            JsonResult()["ports"].push_back(PortJson(map, port));
            PrintOut(FormatText(ids::kPortListEntry, port, DeviceOf(map, port)));
        }
    }
    const std::optional<int> current = context.PortNumber();
    JsonResult()["current"] = current
                                  ? PortJson(map, *current)
                                  : Json{{"port", nullptr}, {"device", context.Options().device}};
    PrintOut(FormatText(ids::kCurrentPort, context.PortDescription()));
    return kExitOk;
}

// The port found, stored as the options dialog's OK stores it (unless dryRun).
int Found(int port, bool dryRun) {
    ShowFound(port);
    PortMap map;
    JsonResult()["found"] = PortJson(map, port);
    PrintOut(FormatText(ids::kSearchFound, port, DeviceOf(map, port)));
    JsonResult()["saved"] = false;
    if (dryRun) {
        PrintInfo(Text(ids::kPortNotSaved));
        return kExitOk;
    }
    Preferences preferences;
    preferences.Load();
    preferences.SetPort(port);
    if (!preferences.Save()) {
        PrintError(FormatText(ids::kPortSaveFailed, preferences.Path()));
        return kExitFailure;
    }
    JsonResult()["saved"] = true;
    PrintInfo(FormatText(ids::kPortSaved, port, preferences.Path()));
    return kExitOk;
}

int SearchPorts(CliContext& context, bool dryRun) {
    JsonResult()["found"] = nullptr;
    JsonResult()["saved"] = false;
    if (const std::optional<int> adapter = LookupAdapterPort()) {
        return Found(*adapter, dryRun);
    }
    CTerminal& terminal = context.Terminal();
    const int savedPort = terminal.PortNumber();
    PortSearch* self = nullptr;
    PortSearch search([&terminal, &self](int port) {
        return ProbePortForSearch(terminal, port, self->CancelFlag());
    });
    self = &search;
    search.Start();
    search.Wait();
    if (!search.Found()) {
        terminal.SetPortNumber(savedPort);
        context.Reporter().ShowError(res::TextCp932(res::ids::kTerminalNotFound));
        return kExitFailure;
    }
    // The terminal was left in command mode by the probe: let it go again.
    terminal.SendExit();
    terminal.Disconnect();
    return Found(search.FoundPort(), dryRun);
}

int RunPorts(CliContext& context, const CliArguments& args) {
    const bool search = args.Has(kSearch);
    if (search && !context.Options().device.empty()) {
        // The search probes the system's ports one by one; a device path would win over each.
        PrintError(Text(ids::kSearchWithDevice));
        return kExitUsage;
    }
    return search ? SearchPorts(context, args.Has(kDryRun)) : ListPorts(context);
}

const CliCommandRegistration kPorts({.name = "ports",
                                     .summaryId = ids::kPortsSummary,
                                     .helpId = ids::kPortsHelp,
                                     .options = {{.name = kSearch, .helpId = ids::kSearchHelp},
                                                 {.name = kDryRun, .helpId = ids::kDryRunHelp}},
                                     .run = RunPorts});

}  // namespace
}  // namespace morvik::cli
