#include "cli/Preferences.h"

#include <fstream>
#include <optional>

#include "link/ConfigDir.h"
#include "link/PortMap.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik::cli {

namespace {

constexpr int kDefaultPort = 1;

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Section and key names compare without regard to ASCII case, as the profile functions do.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> ProfileValue(const std::string& path, const std::string& section,
                                        const std::string& key) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string line;
    bool inSection = false;
    while (std::getline(file, line)) {
        const std::string text = Trimmed(line);
        if (text.empty() || text.front() == ';') {
            continue;
        }
        if (text.front() == '[') {
            const size_t close = text.find(']');
            inSection = close != std::string::npos && SameName(text.substr(1, close - 1), section);
            continue;
        }
        const size_t equals = text.find('=');
        if (inSection && equals != std::string::npos &&
            SameName(Trimmed(text.substr(0, equals)), key)) {
            return Trimmed(text.substr(equals + 1));
        }
    }
    return std::nullopt;
}

}  // namespace

std::string PreferencesPath() {
    return ConfigDir() + "/" + std::string(res::Text(res::ids::kPrefFileName));
}

int ReadPreferredPort(const std::string& path) {
    const std::optional<std::string> value =
        ProfileValue(path, std::string(res::Text(res::ids::kPrefSection)),
                     std::string(res::Text(res::ids::kPrefSerialPortNum)));
    if (!value) {
        return kDefaultPort;
    }
    const int port = ParseDecimal(*value);
    return port < kFirstComPort || port > kLastComPort ? kDefaultPort : port;
}

}  // namespace morvik::cli
