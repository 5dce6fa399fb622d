#include "files/MiniSxSettingsFile.h"

#include <utility>
#include <vector>

#include "files/SettingsFile.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

std::string MiniSXSettingsFileText(const MiniSXSettings& settings) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (MiniKeyValue& entry : MiniSXFileValues(settings)) {
        lines.emplace_back(std::move(entry.key), std::move(entry.value));
    }
    return BuildSettingsFileText(SettingsFileEdition::MiniSx, lines);
}

bool SaveMiniSXSettingsFile(const std::filesystem::path& path, const MiniSXSettings& settings,
                            std::string& message) {
    return WriteSettingsFile(path, MiniSXSettingsFileText(settings), message);
}

bool IsMiniSXSettingsText(std::string_view text) {
    return text.find(SettingsFileHeader(SettingsFileEdition::MiniSx)) != std::string_view::npos;
}

MiniValues MiniSXSettingsFileValues(std::string_view text) {
    std::vector<std::string> keys;
    for (auto keyIds : {MiniSXReadKeyIds(), MiniSXFileOnlyKeyIds()}) {
        for (int keyId : keyIds) {
            keys.push_back(res::TextCp932(keyId));
        }
    }
    return SettingsFileValues(text, keys);
}

MiniReadResult LoadMiniSXSettingsText(std::string_view text, MiniSXSettings& settings) {
    if (!IsMiniSXSettingsText(text)) {
        MiniReadResult result;
        result.error = res::TextCp932(res::ids::kSettingsFileInvalid);
        return result;
    }
    return ReadMiniSXSettings(MiniSXSettingsFileValues(text), MiniValueSource::File, settings);
}

MiniReadResult LoadMiniSXSettingsFile(const std::filesystem::path& path, MiniSXSettings& settings) {
    SettingsFileText file = ReadSettingsFileText(path, kMiniFamilySettingsFileMaxSize);
    if (!file.ok) {
        MiniReadResult result;
        result.error = file.message;
        return result;
    }
    return LoadMiniSXSettingsText(file.text, settings);
}

}  // namespace morvik
