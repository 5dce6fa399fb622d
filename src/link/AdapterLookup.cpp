#include "link/AdapterLookup.h"

#include <filesystem>

namespace morvik {

std::optional<int> LookupAdapterPort(PortMap& map) {
    // The udev rule's links name the cables too, also those whose IDs a site added to the rule.
    // With several cables plugged in, the first one's /dev/morvik is taken, so that the COM
    // number stays the one every cable used alone.
    const std::string firstCable =
        (std::filesystem::path(map.Roots().dev) / kTerminalLinkName).string();
    std::optional<SerialDevice> found;
    for (auto& device : ScanSerialDevices(map.Roots())) {
        if (device.path == firstCable) {
            found = std::move(device);
            break;
        }
        if (!found &&
            ((device.usbVendor == kAdapterUsbVendor && device.usbProduct == kAdapterUsbProduct) ||
             device.terminalLink)) {
            found = std::move(device);
        }
    }
    if (!found) {
        return std::nullopt;
    }
    int number = map.Assign(found->path);
    if (number == 0) {
        return std::nullopt;
    }
    return number;
}

std::optional<int> LookupAdapterPort() {
    PortMap map;
    return LookupAdapterPort(map);
}

}  // namespace morvik
