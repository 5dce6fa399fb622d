#include "link/AdapterLookup.h"

#include <windows.h>
// windows.h first: SetupAPI's header needs its types.
#include <setupapi.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

// The adapter's hardware ID through SetupAPI: the first present device whose instance ID begins
// with the ID, and the COM name its driver wrote into the device's hardware key.

namespace morvik {
namespace {

constexpr const char* kAdapterHardwareId = "FTDIBUS\\VID_5A3C+PID_0C41";
constexpr size_t kAdapterHardwareIdLength = 25;
constexpr DWORD kMaxIdBytes = 256;

// The PortName of the device's hardware key ("COM7"), empty when the key cannot be read.
std::string PortNameOf(HDEVINFO devices, SP_DEVINFO_DATA& device) {
    HKEY key = ::SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    BYTE data[kMaxIdBytes + 1] = {};
    DWORD length = kMaxIdBytes;
    DWORD type = 0;
    const bool read =
        ::RegQueryValueExA(key, "PortName", nullptr, &type, data, &length) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return read ? std::string(reinterpret_cast<const char*>(data)) : std::string();
}

}  // namespace

std::optional<int> LookupAdapterPort(PortMap&) {
    HDEVINFO devices =
        ::SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::optional<int> port;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        char id[kMaxIdBytes] = {};
        if (!::SetupDiGetDeviceInstanceIdA(devices, &device, id, sizeof id, nullptr)) {
            continue;
        }
        // An instance ID shorter than the hardware ID stops at its NUL and never matches.
        if (std::strncmp(id, kAdapterHardwareId, kAdapterHardwareIdLength) != 0) {
            continue;
        }
        const std::string name = PortNameOf(devices, device);
        const int number = name.size() > 3 ? std::atoi(name.c_str() + 3) : 0;
        if (number >= kFirstComPort && number <= kLastComPort) {
            port = number;
        }
        break;
    }
    ::SetupDiDestroyDeviceInfoList(devices);
    return port;
}

std::optional<int> LookupAdapterPort() {
    PortMap map;
    return LookupAdapterPort(map);
}

std::vector<AdapterCable> LookupAdapterCables(PortMap&) {
    std::vector<AdapterCable> cables;
    HDEVINFO devices =
        ::SetupDiGetClassDevsA(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE) {
        return cables;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        char id[kMaxIdBytes] = {};
        if (!::SetupDiGetDeviceInstanceIdA(devices, &device, id, sizeof id, nullptr) ||
            std::strncmp(id, kAdapterHardwareId, kAdapterHardwareIdLength) != 0) {
            continue;
        }
        const std::string name = PortNameOf(devices, device);
        const int number = name.size() > 3 ? std::atoi(name.c_str() + 3) : 0;
        if (number < kFirstComPort || number > kLastComPort) {
            continue;
        }
        // The FTDI bus's instance ID goes on after the hardware ID with "+", the serial number
        // and the port letter, then "\" and the instance ("...+PID_0C41+A1B2C3D4A\0000").
        std::string serial;
        const std::string rest(id + kAdapterHardwareIdLength);
        if (rest.starts_with("+")) {
            serial = rest.substr(
                1, rest.find('\\') == std::string::npos ? std::string::npos : rest.find('\\') - 1);
            if (serial.size() > 1) {
                serial.pop_back();  // the port letter of a multi-port chip
            }
        }
        cables.push_back({.port = number, .device = name, .serial = serial});
    }
    ::SetupDiDestroyDeviceInfoList(devices);
    std::sort(cables.begin(), cables.end(),
              [](const AdapterCable& a, const AdapterCable& b) { return a.port < b.port; });
    return cables;
}

}  // namespace morvik
