#pragma once
// The serial devices the system has, as the kernel lists them in sysfs. Both roots can be moved
// (MORVIK_SYSFS_ROOT, MORVIK_DEV_ROOT) so that tests describe a machine of their own instead of
// touching this machine's ports.

#include <cstdint>
#include <string>
#include <vector>

namespace morvik {

// The links that the package's udev rule gives the terminal's cables: <dev>/morvik for the first
// one plugged in, <dev>/morvik-<USB serial number> for each.
inline constexpr const char* kTerminalLinkName = "morvik";
inline constexpr const char* kTerminalLinkPrefix = "morvik-";

struct SystemRoots {
    std::string sysfs = "/sys";
    std::string dev = "/dev";

    // The roots named by MORVIK_SYSFS_ROOT and MORVIK_DEV_ROOT, else the real ones.
    static SystemRoots FromEnvironment();
};

struct SerialDevice {
    std::string name;        // kernel name, e.g. "ttyUSB0"
    std::string path;        // what to open: /dev/morvik or /dev/morvik-<serial> for a
                             // terminal's cable, else the stable /dev/serial/by-id name when
                             // there is one
    uint16_t usbVendor = 0;  // 0 when the device does not hang off a USB device
    uint16_t usbProduct = 0;
    std::string usbSerial;      // the USB device's serial number; empty when it has none
    bool terminalLink = false;  // path is one of the udev rule's links
};

// Every tty that has hardware behind it, sorted by kernel name. Virtual consoles and ptys have
// no device in sysfs; 8250 ports the kernel reserved without finding a UART report type 0 and
// are left out too, and so is every tty the kernel uses as its console.
std::vector<SerialDevice> ScanSerialDevices(const SystemRoots& roots);

}  // namespace morvik
