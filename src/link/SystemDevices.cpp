#include "link/SystemDevices.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace morvik {
namespace {

namespace fs = std::filesystem;

std::string ReadFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
        line.pop_back();
    }
    return line;
}

bool ParseHex16(const std::string& text, uint16_t* value) {
    if (text.empty() || text.size() > 4) {
        return false;
    }
    char* end = nullptr;
    unsigned long v = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0') {
        return false;
    }
    *value = static_cast<uint16_t>(v);
    return true;
}

// Walks from a tty's device up its parents to the USB device that carries idVendor/idProduct
// (for a USB serial adapter: tty port -> interface -> USB device).
void FindUsbIds(const fs::path& sysfsRoot, const fs::path& device, SerialDevice* out) {
    std::error_code ec;
    fs::path root = fs::weakly_canonical(sysfsRoot, ec);
    for (fs::path dir = device; !dir.empty() && dir != root && dir != dir.root_path();
         dir = dir.parent_path()) {
        uint16_t vendor = 0;
        uint16_t product = 0;
        if (ParseHex16(ReadFirstLine(dir / "idVendor"), &vendor) &&
            ParseHex16(ReadFirstLine(dir / "idProduct"), &product)) {
            out->usbVendor = vendor;
            out->usbProduct = product;
            out->usbSerial = ReadFirstLine(dir / "serial");
            return;
        }
    }
}

struct StableName {
    std::string path;
    bool terminalLink = false;
};

// The one-step target of each link of folder whose name passes wanted, keyed by kernel name: udev
// links straight to "ttyUSB0" or "../../ttyUSB0", so the kernel name is the link's own target,
// whatever that device node may lead on to. Links are taken in name order; the first link to a
// device wins over later ones and over those already in names.
template <typename Wanted>
void AddLinks(const fs::path& folder, Wanted wanted, bool terminalLink,
              std::map<std::string, StableName>* names) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        return;
    }
    std::vector<fs::path> links;
    for (const auto& entry : it) {
        if (wanted(entry.path().filename().string()) && entry.is_symlink(ec)) {
            links.push_back(entry.path());
        }
    }
    std::sort(links.begin(), links.end());
    for (const auto& link : links) {
        fs::path target = fs::read_symlink(link, ec);
        if (!ec) {
            names->emplace(target.filename().string(), StableName{link.string(), terminalLink});
        }
    }
}

// Stable names by kernel name. The udev rule's /dev/morvik comes first: whichever cable of the
// terminal is plugged in alone, it is the same device to the port map and so keeps one COM
// number. Every other cable of the terminal is /dev/morvik-<serial>; other devices have their
// /dev/serial/by-id names.
std::map<std::string, StableName> StableNames(const fs::path& devRoot) {
    std::map<std::string, StableName> names;
    const std::string prefix = kTerminalLinkPrefix;
    AddLinks(
        devRoot, [](const std::string& name) { return name == kTerminalLinkName; }, true, &names);
    AddLinks(
        devRoot,
        [&prefix](const std::string& name) {
            return name.size() > prefix.size() && name.compare(0, prefix.size(), prefix) == 0;
        },
        true, &names);
    AddLinks(
        devRoot / "serial" / "by-id", [](const std::string&) { return true; }, false, &names);
    return names;
}

// "ttyUSB2" before "ttyUSB10": the name without its trailing number, then the number.
bool KernelNameLess(const std::string& a, const std::string& b) {
    auto split = [](const std::string& name) {
        size_t digits = name.find_last_not_of("0123456789") + 1;
        unsigned long number =
            digits < name.size() ? std::strtoul(name.c_str() + digits, nullptr, 10) : 0;
        return std::make_pair(name.substr(0, digits), number);
    };
    return split(a) < split(b);
}

// The ttys the kernel writes its console to ("tty0 ttyS0"). A port search must never write
// wake-up lines or line settings to them: on a server the first serial port is the console.
std::vector<std::string> ConsoleNames(const fs::path& sysfsRoot) {
    std::ifstream in(sysfsRoot / "class" / "tty" / "console" / "active");
    std::vector<std::string> names;
    std::string name;
    while (in >> name) {
        names.push_back(name);
    }
    return names;
}

}  // namespace

SystemRoots SystemRoots::FromEnvironment() {
    SystemRoots roots;
    if (const char* sysfs = std::getenv("MORVIK_SYSFS_ROOT"); sysfs && *sysfs) {
        roots.sysfs = sysfs;
    }
    if (const char* dev = std::getenv("MORVIK_DEV_ROOT"); dev && *dev) {
        roots.dev = dev;
    }
    return roots;
}

std::vector<SerialDevice> ScanSerialDevices(const SystemRoots& roots) {
    std::vector<SerialDevice> devices;
    const fs::path classDir = fs::path(roots.sysfs) / "class" / "tty";
    std::error_code ec;
    fs::directory_iterator it(classDir, ec);
    if (ec) {
        return devices;
    }
    const auto stableNames = StableNames(roots.dev);
    const auto consoles = ConsoleNames(roots.sysfs);
    for (const auto& entry : it) {
        const fs::path tty = entry.path();
        if (std::find(consoles.begin(), consoles.end(), tty.filename().string()) !=
            consoles.end()) {
            continue;
        }
        const fs::path deviceLink = tty / "device";
        std::error_code linkEc;
        if (!fs::exists(deviceLink, linkEc)) {
            continue;
        }
        const std::string type = ReadFirstLine(tty / "type");
        if (type == "0") {
            continue;
        }
        SerialDevice device;
        device.name = tty.filename().string();
        if (auto stable = stableNames.find(device.name); stable != stableNames.end()) {
            device.path = stable->second.path;
            device.terminalLink = stable->second.terminalLink;
        } else {
            device.path = (fs::path(roots.dev) / device.name).string();
        }
        fs::path real = fs::weakly_canonical(deviceLink, linkEc);
        if (!linkEc) {
            FindUsbIds(roots.sysfs, real, &device);
        }
        devices.push_back(std::move(device));
    }
    std::sort(devices.begin(), devices.end(), [](const SerialDevice& a, const SerialDevice& b) {
        return KernelNameLess(a.name, b.name);
    });
    return devices;
}

}  // namespace morvik
