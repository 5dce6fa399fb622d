#include "files/SettingsFileMini.h"

#include <utility>
#include <vector>

#include "files/SettingsFile.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

std::string MiniSettingsFileText(const MiniSettings& settings) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (MiniKeyValue& entry : MiniFileValues(settings)) {
        lines.emplace_back(std::move(entry.key), std::move(entry.value));
    }
    return BuildSettingsFileText(SettingsFileEdition::Mini, lines);
}

bool SaveMiniSettingsFile(const std::filesystem::path& path, const MiniSettings& settings,
                          std::string& message) {
    return WriteSettingsFile(path, MiniSettingsFileText(settings), message);
}

MiniValues MiniSettingsFileValues(std::string_view text) {
    std::vector<std::string> keys;
    for (auto keyIds : {MiniReadKeyIds(), MiniFileOnlyKeyIds()}) {
        for (int keyId : keyIds) {
            keys.push_back(res::TextCp932(keyId));
        }
    }
    return SettingsFileValues(text, keys);
}

MiniReadResult LoadMiniSettingsText(std::string_view text, MiniSettings& settings) {
    if (text.find(SettingsFileHeader(SettingsFileEdition::Mini)) == std::string_view::npos) {
        MiniReadResult result;
        result.error = res::TextCp932(res::ids::kSettingsFileInvalid);
        return result;
    }
    return ReadMiniSettings(MiniSettingsFileValues(text), MiniValueSource::File, settings);
}

MiniReadResult LoadMiniSettingsFile(const std::filesystem::path& path, MiniSettings& settings) {
    SettingsFileText file = ReadSettingsFileText(path, kMiniFamilySettingsFileMaxSize);
    if (!file.ok) {
        MiniReadResult result;
        result.error = file.message;
        return result;
    }
    return LoadMiniSettingsText(file.text, settings);
}

}  // namespace morvik
