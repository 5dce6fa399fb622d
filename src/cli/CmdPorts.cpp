// morvik ports: where the terminal's cable is. Without options: the adapter lookup, the system's
// serial ports by COM number, and the port the other commands would use. With --search, the
// port search of the options dialog: the adapter lookup, then every serial port in turn until a
// terminal answers.

#include <cstdlib>
#include <optional>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "link/AdapterLookup.h"
#include "link/PortMap.h"
#include "link/PortSearch.h"
#include "protocol/SearchProbe.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

std::string DeviceOf(const PortMap& map, int port) {
    if (const auto entries = map.Entries()) {
        for (const PortEntry& entry : *entries) {
            if (entry.number == port) {
                return entry.device;
            }
        }
    }
    return map.LinkPath(port);
}

void ShowFound(int port) {
    PrintError(FormatText(ids::kMessageFormat, Text(res::ids::kPortSearchDoneCaption),
                          UnixLineEnds(res::Format(res::Text(res::ids::kPortSearchDone), port))));
}

int ListPorts(CliContext& context) {
    PortMap map;
    const std::optional<int> adapter = LookupAdapterPort(map);
    if (adapter) {
        PrintOut(FormatText(ids::kAdapterFound, *adapter, DeviceOf(map, *adapter)));
    } else {
        PrintOut(Text(ids::kAdapterNotFound));
    }
    const std::optional<std::vector<std::string>> ports = map.SystemPortList();
    if (!ports) {
        PrintOut(Text(ids::kPortListUnreadable));
    } else if (ports->empty()) {
        PrintOut(Text(ids::kPortListEmpty));
    } else {
        for (const std::string& name : *ports) {
            const int port = std::atoi(name.c_str() + 3);
            PrintOut(FormatText(ids::kPortListEntry, port, DeviceOf(map, port)));
        }
    }
    PrintOut(FormatText(ids::kCurrentPort, context.PortDescription()));
    return kExitOk;
}

int SearchPorts(CliContext& context) {
    if (const std::optional<int> adapter = LookupAdapterPort()) {
        ShowFound(*adapter);
        PrintOut(FormatText(ids::kSearchFound, *adapter, DeviceOf(PortMap(), *adapter)));
        return kExitOk;
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
    ShowFound(search.FoundPort());
    PrintOut(
        FormatText(ids::kSearchFound, search.FoundPort(), DeviceOf(PortMap(), search.FoundPort())));
    return kExitOk;
}

int RunPorts(CliContext& context, std::vector<std::string>& args) {
    const bool search = TakeFlag(args, "--search");
    if (!NoArgumentsLeft(args)) {
        return kExitUsage;
    }
    if (search && !context.Options().device.empty()) {
        // The search probes the system's ports one by one; a device path would win over each.
        PrintError(Text(ids::kSearchWithDevice));
        return kExitUsage;
    }
    return search ? SearchPorts(context) : ListPorts(context);
}

const CliCommandRegistration kPorts({"ports", ids::kPortsSummary, ids::kPortsHelp, RunPorts});

}  // namespace
}  // namespace morvik::cli
