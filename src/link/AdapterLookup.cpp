#include "link/AdapterLookup.h"

#include <algorithm>
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

std::vector<AdapterCable> LookupAdapterCables(PortMap& map) {
    const std::string firstCable =
        (std::filesystem::path(map.Roots().dev) / kTerminalLinkName).string();
    std::vector<AdapterCable> cables;
    for (const SerialDevice& device : ScanSerialDevices(map.Roots())) {
        const bool adapter =
            (device.usbVendor == kAdapterUsbVendor && device.usbProduct == kAdapterUsbProduct) ||
            device.terminalLink;
        if (!adapter) {
            continue;
        }
        const int number = map.Assign(device.path);
        if (number == 0) {
            continue;
        }
        AdapterCable cable{.port = number, .device = device.path, .serial = device.usbSerial};
        // Without sysfs's word, the udev rule's morvik-<serial> link still names it.
        const std::string name = std::filesystem::path(device.path).filename().string();
        const std::string prefix = kTerminalLinkPrefix;
        if (cable.serial.empty() && device.path != firstCable && name.starts_with(prefix)) {
            cable.serial = name.substr(prefix.size());
        }
        cables.push_back(std::move(cable));
    }
    std::sort(cables.begin(), cables.end(),
              [](const AdapterCable& a, const AdapterCable& b) { return a.port < b.port; });
    return cables;
}

}  // namespace morvik
