#include "cli/CliOpenFailure.h"

#include <cerrno>
#include <cstring>
#include <optional>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "link/PortMap.h"
#include "model/Cp932.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

std::string Cp932Line(const std::string& utf8) {
    return Utf8ToCp932(utf8).value_or(utf8);
}

}  // namespace

std::string OpenFailureDetail(const CTerminal& terminal) {
    const int port = terminal.PortNumber();
    std::optional<std::string> mapped;
    std::string where;
    if (!terminal.DevicePath().empty()) {
        where = FormatText(ids::kOpenFailedPort, terminal.DevicePath());
    } else {
        const PortMap map;
        mapped = map.MappedDevice(port);
        where = mapped && *mapped != map.LinkPath(port)
                    ? FormatText(ids::kOpenFailedPortLink, port, map.LinkPath(port), *mapped)
                    : FormatText(ids::kOpenFailedPort,
                                 "COM" + std::to_string(port) + " (" + map.LinkPath(port) + ")");
    }
    std::string cause;
    const int error = terminal.LastOpenError();
    switch (error) {
        case ENOENT:
            cause = terminal.DevicePath().empty() && !mapped
                        ? FormatText(ids::kOpenFailedNotMapped, port, PortMap().LinkPath(port))
                        : Text(ids::kOpenFailedNoDevice);
            break;
        case EBUSY:
            cause = Text(ids::kOpenFailedBusy);
            break;
        case ENOTTY:
            cause = Text(ids::kOpenFailedNotSerial);
            break;
        case EACCES:
        case EPERM:
            cause = FormatText(ids::kOpenFailedReason, Text(res::ids::kComPortPermissionDenied));
            break;
        default:
            cause = FormatText(ids::kOpenFailedReason,
                               error == 0 ? Text(ids::kOpenFailedNoDevice) : std::strerror(error));
            break;
    }
    return Cp932Line(where) + "\r\n" + Cp932Line(cause);
}

}  // namespace morvik::cli
