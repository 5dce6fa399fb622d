#include "files/SettingsFile.h"

#include <array>
#include <system_error>

#include "link/PartialFile.h"
#include "link/RegularFile.h"
#include "model/Utf8Path.h"
#include "morvik/Version.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array kEditionsInSearchOrder = {SettingsFileEdition::Slim, SettingsFileEdition::Mini,
                                               SettingsFileEdition::MiniSx};

constexpr std::string_view kLineEnd = "\r\n";

SettingsFileText Refused(int messageId) {
    SettingsFileText result;
    result.message = res::TextCp932(messageId);
    return result;
}

}  // namespace

const std::string& SettingsFileHeader(SettingsFileEdition edition) {
    switch (edition) {
        case SettingsFileEdition::Slim:
            return res::TextCp932(ids::kSlimFileHeader);
        case SettingsFileEdition::Mini:
            return res::TextCp932(ids::kMiniFileHeader);
        case SettingsFileEdition::MiniSx:
            return res::TextCp932(ids::kMiniSxFileHeader);
        case SettingsFileEdition::Unknown:
            break;
    }
    static const std::string kNone;
    return kNone;
}

SettingsFileEdition DetectSettingsFileEdition(std::string_view text) {
    for (SettingsFileEdition edition : kEditionsInSearchOrder) {
        if (text.find(SettingsFileHeader(edition)) != std::string_view::npos) {
            return edition;
        }
    }
    return SettingsFileEdition::Unknown;
}

SettingsFileText ReadSettingsFileText(const std::filesystem::path& path, std::size_t maxSize) {
    FileRead file = ReadRegularFile(path, maxSize);
    if (file.status == FileReadStatus::TooLarge) {
        SettingsFileText result = Refused(ids::kSettingsFileInvalid);
        result.tooLarge = true;
        return result;
    }
    if (!file.Ok()) {
        return Refused(ids::kFileOpenFailed);
    }
    SettingsFileText result;
    result.text = std::move(file.bytes);
    result.text += kLineEnd;
    result.ok = true;
    return result;
}

SettingsFileText ReadAnySettingsFile(const std::filesystem::path& path) {
    SettingsFileText file = ReadSettingsFileText(path, kSettingsFileReadLimit);
    if (file.ok) {
        file.edition = DetectSettingsFileEdition(file.text);
    }
    return file;
}

SettingsFileText SettingsFileFromBytes(std::string bytes) {
    if (bytes.size() > kSettingsFileReadLimit) {
        SettingsFileText result = Refused(ids::kSettingsFileInvalid);
        result.tooLarge = true;
        return result;
    }
    SettingsFileText result;
    result.text = std::move(bytes);
    result.text += kLineEnd;
    result.edition = DetectSettingsFileEdition(result.text);
    result.ok = true;
    return result;
}

std::string SettingsFileValue(std::string_view text, std::string_view key) {
    const std::string keys[] = {std::string(key)};
    return SettingsFileValues(text, keys).begin()->second;
}

std::map<std::string, std::string, std::less<>> SettingsFileValues(
    std::string_view text, std::span<const std::string> keys) {
    std::map<std::string, std::string, std::less<>> values;
    for (const std::string& key : keys) {
        values.emplace(key, std::string());
    }
    std::map<std::string_view, bool, std::less<>> found;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lineEnd = text.find('\n', pos);
        if (lineEnd == std::string_view::npos) {
            lineEnd = text.size();
        }
        const std::string_view line = text.substr(pos, lineEnd - pos);
        pos = lineEnd + 1;
        // A key has no space in it: the line's first word is the key it gives a value to.
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) {
            continue;
        }
        const auto entry = values.find(line.substr(0, space));
        if (entry == values.end() || !found.emplace(entry->first, true).second) {
            continue;  // not asked for, or not its first line
        }
        std::string_view value = line.substr(space + 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == '\n')) {
            value.remove_suffix(1);
        }
        entry->second = std::string(value);
    }
    return values;
}

std::string SettingsFileVersion() {
    return kProgramVersion;
}

std::string BuildSettingsFileText(SettingsFileEdition edition,
                                  std::span<const std::pair<std::string, std::string>> lines) {
    std::string text = SettingsFileHeader(edition);
    text += kLineEnd;
    text += res::TextCp932(ids::kKeyVer);
    text += ' ';
    text += SettingsFileVersion();
    text += kLineEnd;
    for (const auto& [key, value] : lines) {
        text += key;
        text += ' ';
        text += value;
        text += kLineEnd;
    }
    return text;
}

bool WriteSettingsFile(const std::filesystem::path& path, std::string_view text,
                       std::string& message) {
    PartialFile file;
    if (!file.Create(Utf8FromPath(path)) || !file.Append(text) || !file.Commit()) {
        file.Discard();
        message = res::TextCp932(ids::kFileOpenFailed);
        return false;
    }
    message.clear();
    return true;
}

}  // namespace morvik
