#include "link/PortMap.h"

#include <windows.h>

#include <algorithm>

#include "link/ConfigDir.h"

// COM numbers on Windows are the system's own: COMn opens as \\.\COMn, and the system's serial
// port list is the registry's SERIALCOMM key, which the serial drivers keep up to date.

namespace morvik {
namespace {

constexpr const char* kDevicePrefix = "\\\\.\\";
constexpr const char* kSerialCommKey = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
constexpr DWORD kMaxValueBytes = 256;

// "COM12" or "\\.\COM12" -> 12; 0 for anything that is not a COM name in range.
int ComNumber(std::string name) {
    if (name.rfind(kDevicePrefix, 0) == 0) {
        name.erase(0, 4);
    }
    if (name.size() < 4 || name.size() > 6 || name.compare(0, 3, "COM") != 0 || name[3] == '0') {
        return 0;
    }
    int n = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return 0;
        }
        n = n * 10 + (name[i] - '0');
    }
    return n >= kFirstComPort && n <= kLastComPort ? n : 0;
}

// The data of every value of the SERIALCOMM key, in the registry's order; nullopt when the key
// cannot be opened or read.
std::optional<std::vector<std::string>> SerialCommValues() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSerialCommKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD count = 0;
    std::optional<std::vector<std::string>> values;
    if (::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                           nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        values.emplace();
        for (DWORD index = 0; index < count; ++index) {
            char name[kMaxValueBytes];
            BYTE data[kMaxValueBytes + 1] = {};
            DWORD nameLength = sizeof name;
            DWORD dataLength = kMaxValueBytes;
            DWORD type = 0;
            if (::RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) !=
                ERROR_SUCCESS) {
                break;
            }
            // REG_SZ data need not end in a NUL; the length is what counts.
            std::string text(reinterpret_cast<const char*>(data), dataLength);
            text.erase(std::find(text.begin(), text.end(), '\0'), text.end());
            values->push_back(text);
        }
    }
    ::RegCloseKey(key);
    return values;
}

}  // namespace

std::string PortMap::DefaultFolder() {
    return ConfigDir() + "/ports";
}

PortMap::PortMap(std::string folder, SystemRoots roots)
    : folder_(std::move(folder)), roots_(std::move(roots)) {}

std::string PortMap::LinkPath(int port) const {
    return std::string(kDevicePrefix) + "COM" + std::to_string(port);
}

std::optional<std::string> PortMap::MappedDevice(int port) const {
    // Windows names every COM port itself; whether it is there shows when it is opened.
    return LinkPath(port);
}

std::optional<std::vector<PortEntry>> PortMap::Entries() const {
    const auto values = SerialCommValues();
    if (!values) {
        return std::nullopt;
    }
    std::vector<PortEntry> entries;
    for (const std::string& value : *values) {
        if (const int number = ComNumber(value); number != 0) {
            entries.push_back({number, LinkPath(number)});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return entries;
}

int PortMap::NumberOf(const std::string& device) const {
    return ComNumber(device);
}

int PortMap::Assign(const std::string& device) {
    return ComNumber(device);
}

bool PortMap::Refresh() {
    return SerialCommValues().has_value();
}

std::optional<std::vector<std::string>> PortMap::SystemPortList() {
    return SerialCommValues();
}

}  // namespace morvik
