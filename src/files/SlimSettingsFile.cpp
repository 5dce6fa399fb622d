#include "files/SlimSettingsFile.h"

#include <utility>
#include <vector>

#include "files/SettingsFile.h"
#include "model/Utf8Path.h"

namespace morvik {

std::string SlimSettingsFileText(const SlimSettings& values, SlimFunction function) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& [key, value] : SlimFileSequence(values, function)) {
        lines.emplace_back(SlimKeyText(key), value);
    }
    return BuildSettingsFileText(SettingsFileEdition::Slim, lines);
}

bool SaveSlimSettingsFile(const std::string& path, const SlimEditorState& state) {
    std::string message;
    return WriteSettingsFile(PathFromUtf8(path),
                             SlimSettingsFileText(BuildSlimSettings(state), state.function),
                             message);
}

SlimFileText SlimSettingsFileOf(SettingsFileText file) {
    SlimFileText result;
    if (!file.ok) {
        result.status = file.tooLarge ? SlimFileStatus::TooLarge : SlimFileStatus::OpenFailed;
        return result;
    }
    if (file.edition != SettingsFileEdition::Slim) {
        result.status = SlimFileStatus::NoHeader;
        return result;
    }
    // The text ends in the CR LF the read appended.
    if (file.text.size() > kSlimSettingsFileMaxSize + 2) {
        result.status = SlimFileStatus::TooLarge;
        return result;
    }
    result.status = SlimFileStatus::Ok;
    result.text = std::move(file.text);
    return result;
}

SlimFileText ReadSlimSettingsFile(const std::string& path) {
    return SlimSettingsFileOf(ReadAnySettingsFile(PathFromUtf8(path)));
}

SlimFileText SlimSettingsFileFromBytes(std::string bytes) {
    return SlimSettingsFileOf(SettingsFileFromBytes(std::move(bytes)));
}

bool HasSlimHeader(std::string_view text) {
    return text.find(SettingsFileHeader(SettingsFileEdition::Slim)) != std::string_view::npos;
}

std::string SlimFileValue(std::string_view text, SlimKey key) {
    return SettingsFileValue(text, SlimKeyText(key));
}

SlimSettings SlimFileValues(std::string_view text) {
    SlimSettings values;
    for (SlimKey key : SlimReadOrder()) {
        SlimValueOf(values, key) = SlimFileValue(text, key);
    }
    return values;
}

}  // namespace morvik
