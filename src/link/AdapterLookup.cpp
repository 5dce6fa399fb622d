#include "link/AdapterLookup.h"

namespace morvik {

std::optional<int> LookupAdapterPort(PortMap& map) {
    for (const auto& device : ScanSerialDevices(map.Roots())) {
        if (device.usbVendor == kAdapterUsbVendor && device.usbProduct == kAdapterUsbProduct) {
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
