#pragma once
// The terminal's USB cable on a test machine: under machine's "sys" and "dev" folders (the roots
// that MORVIK_SYSFS_ROOT and MORVIK_DEV_ROOT point the device scan at), the serial adapter of
// vendor 5A3C, product 0C41 appears as ttyUSB0 and leads to the given device.

#include <filesystem>
#include <fstream>
#include <string>

#include "support/SimProcess.h"

namespace morvik::test {

inline void PlugInTerminalCable(const TempDir& machine, const std::string& device) {
    namespace fs = std::filesystem;
    const fs::path sys = machine.File("sys");
    const fs::path usb = sys / "devices/pci0000:00/usb1/1-1";
    const fs::path tty = usb / "1-1:1.0/ttyUSB0";
    fs::create_directories(tty);
    std::ofstream(usb / "idVendor") << "5a3c\n";
    std::ofstream(usb / "idProduct") << "0c41\n";
    fs::create_directories(sys / "class/tty/ttyUSB0");
    fs::create_symlink(tty, sys / "class/tty/ttyUSB0/device");
    fs::create_directories(machine.File("dev"));
    fs::create_symlink(device, fs::path(machine.File("dev")) / "ttyUSB0");
}

}  // namespace morvik::test
