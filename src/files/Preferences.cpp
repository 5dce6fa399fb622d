#include "files/Preferences.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "link/ConfigDir.h"
#include "link/PartialFile.h"
#include "link/PortMap.h"
#include "link/RegularFile.h"
#include "model/Cp932.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// More than any preferences file holds; a bigger file is not read (and so never rewritten).
constexpr size_t kMaxFileBytes = 1024 * 1024;

// A file's text as lines without their line ends.
std::vector<std::string> LinesOf(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        end = end == std::string_view::npos ? text.size() : end;
        std::string line(text.substr(start, end - start));
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = next;
    }
    return lines;
}

// The file as lines: empty when there is no file, nullopt when a file is there but cannot be
// read whole (not a regular file, no permission, too large).
std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
    const FileRead read = ReadRegularFile(path, kMaxFileBytes);
    if (read.status == FileReadStatus::NotFound) {
        return std::vector<std::string>();
    }
    if (!read.Ok()) {
        return std::nullopt;
    }
    return LinesOf(read.bytes);
}

// "[name]" gives name; anything else nullopt.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string text = Trimmed(line);
    if (text.empty() || text.front() != '[') {
        return std::nullopt;
    }
    const size_t close = text.find(']');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    return Trimmed(text.substr(1, close - 1));
}

// The key of a "key=value" line; nullopt for comments and other lines.
std::optional<std::string> KeyOf(const std::string& line) {
    const std::string text = Trimmed(line);
    if (text.empty() || text.front() == ';') {
        return std::nullopt;
    }
    const size_t equals = text.find('=');
    if (equals == std::string::npos) {
        return std::nullopt;
    }
    return Trimmed(text.substr(0, equals));
}

// At most max bytes of a code page 932 text, without leaving the first byte of a double-byte
// character alone at the end (the reading buffer would have cut it in two).
std::string CutCp932(const std::string& text, size_t max) {
    if (text.size() <= max) {
        return text;
    }
    size_t end = 0;
    while (end < max) {
        const size_t step = IsCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + step > max) {
            break;
        }
        end += step;
    }
    return text.substr(0, end);
}

std::string Key(int id) {
    return std::string(res::Text(id));
}

std::string Section() {
    return Key(res::ids::kPrefSection);
}

std::optional<std::string> ProfileValue(const std::vector<std::string>& lines,
                                        const std::string& section, const std::string& key);

std::string StringOr(const std::vector<std::string>& lines, int keyId, const std::string& fallback,
                     size_t max) {
    const std::optional<std::string> value = ProfileValue(lines, Section(), Key(keyId));
    return CutCp932(value ? *value : fallback, max);
}

std::optional<int> UserLampKey(int number) {
    switch (number) {
        case 1:
            return res::ids::kPrefUserLamp1;
        case 2:
            return res::ids::kPrefUserLamp2;
        case 3:
            return res::ids::kPrefUserLamp3;
        default:
            return std::nullopt;
    }
}

std::optional<std::string> ProfileValue(const std::vector<std::string>& lines,
                                        const std::string& section, const std::string& key) {
    bool inSection = false;
    for (const std::string& line : lines) {
        if (const std::optional<std::string> name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        const std::optional<std::string> lineKey = KeyOf(line);
        if (!inSection || !lineKey || !SameName(*lineKey, key)) {
            continue;
        }
        std::string value = Trimmed(line.substr(line.find('=') + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front()) {
            value = value.substr(1, value.size() - 2);
        }
        return value;
    }
    return std::nullopt;
}

int ProfileInt(const std::optional<std::string>& value, int defaultValue) {
    if (!value) {
        return defaultValue;
    }
    size_t pos = 0;
    bool negative = false;
    if (pos < value->size() && ((*value)[pos] == '-' || (*value)[pos] == '+')) {
        negative = (*value)[pos] == '-';
        ++pos;
    }
    uint32_t number = 0;
    for (; pos < value->size() && (*value)[pos] >= '0' && (*value)[pos] <= '9'; ++pos) {
        number = number * 10u + static_cast<uint32_t>((*value)[pos] - '0');
    }
    if (negative) {
        number = 0u - number;
    }
    return static_cast<int>(number);
}

// The text of a file of lines once every key of values is set in section.
std::string ProfileLinesWith(std::vector<std::string> lines, const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& values) {
    std::vector<bool> written(values.size(), false);

    // Where the section starts and ends (one past its last non-empty line).
    std::optional<size_t> sectionEnd;
    bool inSection = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (const std::optional<std::string> name = SectionName(lines[i])) {
            if (inSection) {
                break;  // only the first section of the name counts, as on reading
            }
            inSection = SameName(*name, section);
            if (inSection) {
                sectionEnd = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (!Trimmed(lines[i]).empty()) {
            sectionEnd = i + 1;
        }
        const std::optional<std::string> key = KeyOf(lines[i]);
        for (size_t v = 0; key && v < values.size(); ++v) {
            if (!written[v] && SameName(*key, values[v].first)) {
                lines[i] = values[v].first + "=" + values[v].second;
                written[v] = true;
                break;
            }
        }
    }

    std::vector<std::string> added;
    for (size_t v = 0; v < values.size(); ++v) {
        if (!written[v]) {
            added.push_back(values[v].first + "=" + values[v].second);
        }
    }
    if (!sectionEnd) {
        if (!lines.empty() && !Trimmed(lines.back()).empty()) {
            lines.emplace_back();
        }
        lines.push_back("[" + section + "]");
        sectionEnd = lines.size();
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), added.begin(),
                 added.end());

    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadProfileString(const std::string& path, const std::string& section,
                                             const std::string& key) {
    return ProfileValue(ReadLines(path).value_or(std::vector<std::string>()), section, key);
}

int ReadProfileInt(const std::string& path, const std::string& section, const std::string& key,
                   int defaultValue) {
    return ProfileInt(ReadProfileString(path, section, key), defaultValue);
}

bool WriteProfileStrings(const std::string& path, const std::string& section,
                         const std::vector<std::pair<std::string, std::string>>& values) {
    // A file that is there but could not be read is never written: the save would keep only
    // the keys given here and lose the service texts and user lamps that the file holds.
    std::optional<std::vector<std::string>> read = ReadLines(path);
    if (!read) {
        return false;
    }
    const std::string text = ProfileLinesWith(std::move(*read), section, values);
    std::error_code error;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, error);
    }
    PartialFile file;
    return file.Create(path) && file.Append(text) && file.Commit();
}

std::string ProfileTextWith(std::string_view text, const std::string& section,
                            const std::vector<std::pair<std::string, std::string>>& values) {
    return ProfileLinesWith(LinesOf(text), section, values);
}

std::string Preferences::DefaultPath() {
    return ConfigDir() + "/" + Key(res::ids::kPrefFileName);
}

Preferences::Preferences(std::string path)
    : path_(std::move(path)),
      serviceTorucaIcon_(res::TextCp932(res::ids::kPrefServiceTorucaIconDefault)) {}

int Preferences::PortFromStored(int stored) {
    return stored < kFirstComPort || stored > kLastComPort ? kDefaultPort : stored;
}

bool Preferences::CloseFlagFromStored(int stored) {
    // Only the low byte was ever kept; a byte that is neither 0 nor 1 is taken as "off".
    const uint8_t low = static_cast<uint8_t>(static_cast<uint32_t>(stored) & 0xFFu);
    return low == 1;
}

std::vector<std::string> Preferences::FileLines() const {
    return ReadLines(path_).value_or(std::vector<std::string>());
}

void Preferences::LoadCloseAfterWrite() {
    LoadCloseAfterWriteFrom(FileLines());
}

void Preferences::LoadPort() {
    LoadPortFrom(FileLines());
}

void Preferences::LoadServiceDefaults() {
    LoadServiceDefaultsFrom(FileLines());
}

void Preferences::Load() {
    LoadFrom(FileLines());
}

void Preferences::LoadText(std::string_view text) {
    LoadFrom(LinesOf(text));
}

void Preferences::LoadFrom(const std::vector<std::string>& lines) {
    LoadCloseAfterWriteFrom(lines);
    LoadPortFrom(lines);
    LoadServiceDefaultsFrom(lines);
}

void Preferences::LoadCloseAfterWriteFrom(const std::vector<std::string>& lines) {
    closeAfterWrite_ = CloseFlagFromStored(
        ProfileInt(ProfileValue(lines, Section(), Key(res::ids::kPrefCloseCheck)), 0));
}

void Preferences::LoadPortFrom(const std::vector<std::string>& lines) {
    port_ = PortFromStored(ProfileInt(
        ProfileValue(lines, Section(), Key(res::ids::kPrefSerialPortNum)), kDefaultPort));
}

void Preferences::LoadServiceDefaultsFrom(const std::vector<std::string>& lines) {
    serviceBrowserUrl_ =
        StringOr(lines, res::ids::kPrefServiceBrowserUrl, std::string(), kServiceBrowserUrlMax);
    serviceBrowserMessage_ = StringOr(lines, res::ids::kPrefServiceBrowserMessage, std::string(),
                                      kServiceBrowserMessageMax);
    serviceTorucaUrl_ =
        StringOr(lines, res::ids::kPrefServiceTorucaUrl, std::string(), kServiceTorucaUrlMax);
    serviceTorucaIcon_ =
        StringOr(lines, res::ids::kPrefServiceTorucaIcon,
                 res::TextCp932(res::ids::kPrefServiceTorucaIconDefault), kServiceTorucaIconMax);
}

std::vector<std::pair<std::string, std::string>> Preferences::SavedValues() const {
    return {{Key(res::ids::kPrefSerialPortNum), res::Format("%d", port_)},
            {Key(res::ids::kPrefCloseCheck), res::Format("%d", closeAfterWrite_ ? 1 : 0)}};
}

bool Preferences::Save() const {
    return WriteProfileStrings(path_, Section(), SavedValues());
}

std::string Preferences::SavedText(std::string_view text) const {
    return ProfileTextWith(text, Section(), SavedValues());
}

void Preferences::SetPort(int port) {
    port_ = PortFromStored(port);
}

std::string Preferences::ReadUserLamp(int number) const {
    return UserLampFrom(FileLines(), number);
}

std::string Preferences::UserLampInText(std::string_view text, int number) {
    return UserLampFrom(LinesOf(text), number);
}

std::string Preferences::UserLampFrom(const std::vector<std::string>& lines, int number) {
    const std::optional<int> key = UserLampKey(number);
    if (!key) {
        return std::string();
    }
    return ProfileValue(lines, Section(), Key(*key)).value_or(std::string());
}

bool Preferences::WriteUserLamp(int number, const std::string& pattern) const {
    const std::optional<int> key = UserLampKey(number);
    return key && WriteProfileStrings(path_, Section(), {{Key(*key), pattern}});
}

}  // namespace morvik
