#include "cli/CliContext.h"

#include "cli/CliOpenFailure.h"
#include "files/Preferences.h"
#include "link/AdapterLookup.h"
#include "link/PortMap.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik::cli {

CliContext::CliContext(const GlobalOptions& options) : options_(options), terminal_(reporter_) {
    // Every run is a first communication; the notice is for Slim users only, and a script's log
    // of another edition has no use for it.
    terminal_.SetNoticeOnlyForSlim(true);
    terminal_.SetOpenFailureDetail(OpenFailureDetail);
    if (options_.trace) {
        terminal_.Trace().SetSink(StderrTraceSink(options_.tracePrefix));
    }
}

CliContext::~CliContext() {
    if (used_) {
        terminal_.Shutdown();
    }
}

void CliContext::SettlePort() {
    if (portSettled_) {
        return;
    }
    portSettled_ = true;
    if (!options_.device.empty()) {
        terminal_.SetDevicePath(options_.device);
    } else if (options_.port) {
        terminal_.SetPortNumber(*options_.port);
    } else {
        // The cable's port wins; the preferences file is only read here, never written.
        const std::optional<int> adapter = LookupAdapterPort();
        if (adapter) {
            terminal_.SetPortNumber(*adapter);
        } else {
            Preferences preferences;
            preferences.LoadPort();
            terminal_.SetPortNumber(preferences.Port());
        }
    }
}

CTerminal& CliContext::Terminal() {
    SettlePort();
    used_ = true;
    return terminal_;
}

std::optional<int> CliContext::PortNumber() {
    SettlePort();
    if (!terminal_.DevicePath().empty()) {
        return std::nullopt;
    }
    return terminal_.PortNumber();
}

std::string CliContext::PortDescription() {
    SettlePort();
    if (!terminal_.DevicePath().empty()) {
        return terminal_.DevicePath();
    }
    const int port = terminal_.PortNumber();
    return res::Format(res::Text(res::ids::kComPortFormat), port) + " (" +
           PortMap().LinkPath(port) + ")";
}

}  // namespace morvik::cli
