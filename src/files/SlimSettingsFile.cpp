#include "files/SlimSettingsFile.h"

#include <utility>
#include <vector>

#include "files/SettingsFile.h"
#include "link/RegularFile.h"

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
    return WriteSettingsFile(path, SlimSettingsFileText(BuildSlimSettings(state), state.function),
                             message);
}

SlimFileText ReadSlimSettingsFile(const std::string& path) {
    FileRead file = ReadRegularFile(path, kSlimSettingsFileMaxSize);
    if (file.status == FileReadStatus::TooLarge) {
        SlimFileText result;
        result.status = SlimFileStatus::TooLarge;
        return result;
    }
    if (!file.Ok()) {
        return SlimFileText{};
    }
    return SlimSettingsFileFromBytes(std::move(file.bytes));
}

SlimFileText SlimSettingsFileFromBytes(std::string bytes) {
    SlimFileText result;
    if (bytes.size() > kSlimSettingsFileMaxSize) {
        result.status = SlimFileStatus::TooLarge;
        return result;
    }
    bytes += "\r\n";
    if (!HasSlimHeader(bytes)) {
        result.status = SlimFileStatus::NoHeader;
        return result;
    }
    result.status = SlimFileStatus::Ok;
    result.text = std::move(bytes);
    return result;
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
