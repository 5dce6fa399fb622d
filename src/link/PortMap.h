#pragma once
// COM numbers on POSIX. The operator and the preferences speak of COM1..COM256, as on Windows;
// here a number names a device through a ports folder beside the preferences file, in which
// "COMn" is a symbolic link to the device (the convention of Windows compatibility layers'
// dosdevices folders). A device keeps its number once it has one, so a terminal's cable gets the
// same COM number every time it is plugged in.

#include <optional>
#include <string>
#include <vector>

#include "link/SystemDevices.h"

namespace morvik {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 256;

struct PortEntry {
    int number = 0;
    std::string device;  // the link's target as written
};

class PortMap {
  public:
    // The ports folder of the preferences folder (ConfigDir()/ports).
    static std::string DefaultFolder();

    explicit PortMap(std::string folder = DefaultFolder(),
                     SystemRoots roots = SystemRoots::FromEnvironment());

    const std::string& Folder() const { return folder_; }
    const SystemRoots& Roots() const { return roots_; }
    // folder/COMn, whether or not it exists.
    std::string LinkPath(int port) const;
    // The device COMn names: the link's target as written, whether or not that device is there;
    // nothing when the folder has no link of that number (on Windows the port's device name).
    std::optional<std::string> MappedDevice(int port) const;

    // The COMn links of the folder, by number; links whose device is gone are included (they
    // keep their number). Empty when the folder does not exist; nullopt when it cannot be read.
    std::optional<std::vector<PortEntry>> Entries() const;

    // The number whose link leads to device (same link text or same file), 0 when none does.
    int NumberOf(const std::string& device) const;

    // The device's number, giving it the lowest free one when it has none. 0 when every number
    // is taken or the folder cannot be written.
    int Assign(const std::string& device);

    // Gives every serial device of the system that has no number the lowest free one. False
    // when the folder cannot be created or read.
    bool Refresh();

    // The system's serial port list: the folder after Refresh, as "COMn" names of the links whose
    // device is present, by number. nullopt when the folder cannot be brought up to date.
    std::optional<std::vector<std::string>> SystemPortList();

  private:
    std::string folder_;
    SystemRoots roots_;
};

}  // namespace morvik
