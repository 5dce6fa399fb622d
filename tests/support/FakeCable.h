#pragma once
// The terminal's USB cable on a test machine: under machine's "sys" and "dev" folders (the roots
// that MORVIK_SYSFS_ROOT and MORVIK_DEV_ROOT point the device scan at), the serial adapter of
// vendor 5A3C, product 0C41 appears as ttyUSB<index> and leads to the given device.

#include <filesystem>
#include <fstream>
#include <string>

#include "support/SimProcess.h"

namespace morvik::test {

inline void PlugInTerminalCable(const TempDir& machine, const std::string& device, int index = 0,
                                const std::string& serial = "") {
    namespace fs = std::filesystem;
    const std::string name = "ttyUSB" + std::to_string(index);
    const std::string bus = "1-" + std::to_string(index + 1);
    const fs::path sys = machine.File("sys");
    const fs::path usb = sys / "devices/pci0000:00/usb1" / bus;
    const fs::path tty = usb / (bus + ":1.0") / name;
    fs::create_directories(tty);
    std::ofstream(usb / "idVendor") << "5a3c\n";
    std::ofstream(usb / "idProduct") << "0c41\n";
    if (!serial.empty()) {
        std::ofstream(usb / "serial") << serial << "\n";
    }
    fs::create_directories(sys / "class/tty" / name);
    fs::create_symlink(tty, sys / "class/tty" / name / "device");
    fs::create_directories(machine.File("dev"));
    fs::create_symlink(device, fs::path(machine.File("dev")) / name);
}

}  // namespace morvik::test
