#include "link/PortMap.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "link/ConfigDir.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

// "COM12" -> 12; 0 for anything that is not a COM name in range.
int ComNumber(const std::string& name) {
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0 || name.size() > 6) {
        return 0;
    }
    int n = 0;
    for (size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return 0;
        }
        n = n * 10 + (name[i] - '0');
    }
    if (name[3] == '0' || n < kFirstComPort || n > kLastComPort) {
        return 0;
    }
    return n;
}

bool SameDevice(const std::string& linkText, const fs::path& linkPath, const std::string& device) {
    if (linkText == device) {
        return true;
    }
    std::error_code a;
    std::error_code b;
    fs::path target = fs::canonical(linkPath, a);
    fs::path wanted = fs::canonical(device, b);
    return !a && !b && target == wanted;
}

// The memory devices (/dev/null, /dev/zero, /dev/full, /dev/random ...) are character devices
// of major number 1 on Linux; none of them is a serial port.
bool IsNullLikeDevice(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && major(st.st_rdev) == 1;
}

}  // namespace

std::string PortMap::DefaultFolder() {
    return ConfigDir() + "/ports";
}

PortMap::PortMap(std::string folder, SystemRoots roots)
    : folder_(std::move(folder)), roots_(std::move(roots)) {}

std::string PortMap::LinkPath(int port) const {
    return folder_ + "/COM" + std::to_string(port);
}

std::optional<std::string> PortMap::MappedDevice(int port) const {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(LinkPath(port), error);
    if (error) {
        return std::nullopt;
    }
    return target.string();
}

std::optional<std::vector<PortEntry>> PortMap::Entries() const {
    std::vector<PortEntry> entries;
    std::error_code ec;
    if (!fs::exists(folder_, ec)) {
        if (ec) {
            return std::nullopt;
        }
        return entries;
    }
    fs::directory_iterator it(folder_, ec);
    if (ec) {
        return std::nullopt;
    }
    for (const auto& entry : it) {
        int number = ComNumber(entry.path().filename().string());
        std::error_code linkEc;
        if (number == 0 || !entry.is_symlink(linkEc)) {
            continue;
        }
        fs::path target = fs::read_symlink(entry.path(), linkEc);
        if (!linkEc) {
            entries.push_back({number, target.string()});
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.number < b.number; });
    return entries;
}

int PortMap::NumberOf(const std::string& device) const {
    auto entries = Entries();
    if (!entries) {
        return 0;
    }
    for (const auto& entry : *entries) {
        if (SameDevice(entry.device, LinkPath(entry.number), device)) {
            return entry.number;
        }
    }
    return 0;
}

int PortMap::Assign(const std::string& device) {
    if (int number = NumberOf(device); number != 0) {
        return number;
    }
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        return 0;
    }
    auto entries = Entries();
    if (!entries) {
        return 0;
    }
    // symlink() fails when the name exists, so two programs assigning at once cannot take the
    // same number: the loser moves on to the next free one.
    for (int n = kFirstComPort; n <= kLastComPort; ++n) {
        std::string link = LinkPath(n);
        if (fs::symlink_status(link, ec).type() != fs::file_type::not_found) {
            continue;
        }
        if (::symlink(device.c_str(), link.c_str()) == 0) {
            return n;
        }
        if (errno != EEXIST) {
            return 0;
        }
    }
    return 0;
}

bool PortMap::Refresh() {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec || !Entries()) {
        return false;
    }
    for (const auto& device : ScanSerialDevices(roots_)) {
        Assign(device.path);
    }
    return true;
}

std::optional<std::vector<std::string>> PortMap::SystemPortList() {
    if (!Refresh()) {
        return std::nullopt;
    }
    auto entries = Entries();
    if (!entries) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    for (const auto& entry : *entries) {
        // Only a link to a character device is a port: a regular file, /dev/null's like made
        // by hand, a folder or a FIFO under a COM name is not listed.
        std::error_code ec;
        if (fs::is_character_file(LinkPath(entry.number), ec) &&
            !IsNullLikeDevice(LinkPath(entry.number))) {
            names.push_back("COM" + std::to_string(entry.number));
        }
    }
    return names;
}

}  // namespace morvik
