#include "files/SettingsFile.h"

#include <array>
#include <fstream>
#include <system_error>

#include "link/PartialFile.h"
#include "model/Utf8Path.h"
#include "morvik/Version.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array kEditionsInSearchOrder = {SettingsFileEdition::Slim, SettingsFileEdition::Mini,
                                               SettingsFileEdition::MiniSx};

constexpr std::size_t kReadBlock = 1024;
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
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return Refused(ids::kFileOpenFailed);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Refused(ids::kFileOpenFailed);
    }
    SettingsFileText result;
    char block[kReadBlock];
    // The size is judged on what is read, not on what the directory says, so a file that grows
    // while it is read cannot slip past the limit.
    while (in) {
        in.read(block, sizeof block);
        result.text.append(block, static_cast<std::size_t>(in.gcount()));
        if (result.text.size() > maxSize) {
            return Refused(ids::kSettingsFileInvalid);
        }
    }
    if (in.bad()) {
        return Refused(ids::kFileOpenFailed);
    }
    result.text += kLineEnd;
    result.ok = true;
    return result;
}

std::string SettingsFileValue(std::string_view text, std::string_view key) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t lineEnd = text.find('\n', pos);
        if (lineEnd == std::string_view::npos) {
            lineEnd = text.size();
        }
        std::string_view line = text.substr(pos, lineEnd - pos);
        if (line.size() > key.size() && line.starts_with(key) && line[key.size()] == ' ') {
            std::string_view value = line.substr(key.size() + 1);
            while (!value.empty() && (value.back() == '\r' || value.back() == '\n')) {
                value.remove_suffix(1);
            }
            return std::string(value);
        }
        pos = lineEnd + 1;
    }
    return {};
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
