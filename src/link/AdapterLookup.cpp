#include "link/AdapterLookup.h"

#include <filesystem>

namespace morvik {

std::optional<int> LookupAdapterPort(PortMap& map) {
    // The udev rule's link names the cable too, also one whose IDs a site added to the rule.
    const std::string terminalLink =
        (std::filesystem::path(map.Roots().dev) / kTerminalLinkName).string();
    for (const auto& device : ScanSerialDevices(map.Roots())) {
        if ((device.usbVendor == kAdapterUsbVendor && device.usbProduct == kAdapterUsbProduct) ||
            device.path == terminalLink) {
            int number = map.Assign(device.path);
            if (number == 0) {
                return std::nullopt;
            }
            return number;
        }
    }
    return std::nullopt;
}

std::optional<int> LookupAdapterPort() {
    PortMap map;
    return LookupAdapterPort(map);
}

}  // namespace morvik
