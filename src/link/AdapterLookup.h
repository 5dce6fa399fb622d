#pragma once
// The fast way to the terminal's port: its cable is a USB serial adapter with a vendor and
// product ID of its own (on Windows the hardware ID "FTDIBUS\VID_5A3C+PID_0C41"), so no port
// needs to be tried.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/PortMap.h"

namespace morvik {

constexpr uint16_t kAdapterUsbVendor = 0x5A3C;
constexpr uint16_t kAdapterUsbProduct = 0x0C41;

// The COM number of the attached adapter, giving its device a number in the port map when it has
// none yet: the one the udev rule links as /dev/morvik, else the first by kernel name (a device
// the rule links as /dev/morvik-<serial> counts as an adapter). nullopt when no adapter is
// attached or the port map cannot take its number.
std::optional<int> LookupAdapterPort(PortMap& map);

// The same with the default ports folder and system roots.
std::optional<int> LookupAdapterPort();

// One attached cable of the terminal.
struct AdapterCable {
    int port = 0;        // its COM number
    std::string device;  // what the port opens (a device path; the COM name on Windows)
    std::string serial;  // the cable's USB serial number; empty when the system does not tell it
};

// Every attached cable, by COM number, each given a number in the port map when it has none yet
// (a cable whose number cannot be given is left out). Empty when none is attached.
std::vector<AdapterCable> LookupAdapterCables(PortMap& map);

}  // namespace morvik
