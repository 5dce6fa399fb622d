#include "files/MiniFamilySettingsFile.h"

#include <optional>
#include <utility>
#include <vector>

#include "files/SettingsFile.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

template <class Edition>
constexpr SettingsFileEdition kFileEdition = SettingsFileEdition::Unknown;
template <>
constexpr SettingsFileEdition kFileEdition<MiniEdition> = SettingsFileEdition::Mini;
template <>
constexpr SettingsFileEdition kFileEdition<MiniSxEdition> = SettingsFileEdition::MiniSx;

// The values of a file's text; none when the text has not the edition's header (which may stand
// anywhere in it).
template <class Edition>
std::optional<MiniValues> ValuesOfEditionText(std::string_view text) {
    if (text.find(SettingsFileHeader(kFileEdition<Edition>)) == std::string_view::npos) {
        return std::nullopt;
    }
    return MiniFamilySettingsFile<Edition>::Values(text);
}

MiniReadResult Failed(std::string message) {
    MiniReadResult result;
    result.error = std::move(message);
    return result;
}

}  // namespace

template <class Edition>
std::string MiniFamilySettingsFile<Edition>::Text(const Settings& settings) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (MiniKeyValue& entry : Edition::FileValues(settings)) {
        lines.emplace_back(std::move(entry.key), std::move(entry.value));
    }
    return BuildSettingsFileText(kFileEdition<Edition>, lines);
}

template <class Edition>
bool MiniFamilySettingsFile<Edition>::Save(const std::filesystem::path& path,
                                           const Settings& settings, std::string& message) {
    return WriteSettingsFile(path, Text(settings), message);
}

template <class Edition>
MiniValues MiniFamilySettingsFile<Edition>::Values(std::string_view text) {
    std::vector<std::string> keys;
    for (auto keyIds : {Edition::ReadKeyIds(), Edition::FileOnlyKeyIds()}) {
        for (int keyId : keyIds) {
            keys.push_back(res::TextCp932(keyId));
        }
    }
    return SettingsFileValues(text, keys);
}

template <class Edition>
MiniReadResult MiniFamilySettingsFile<Edition>::LoadText(std::string_view text,
                                                         Settings& settings) {
    std::optional<MiniValues> values = ValuesOfEditionText<Edition>(text);
    if (!values) {
        return Failed(res::TextCp932(res::ids::kSettingsFileInvalid));
    }
    return ReadMiniFamilySettings<Edition>(*values, MiniValueSource::File, settings);
}

template <class Edition>
MiniFamilyFileValues MiniFamilySettingsFile<Edition>::Of(SettingsFileText file) {
    MiniFamilyFileValues read;
    if (!file.ok) {
        read.error = std::move(file.message);
        return read;
    }
    if (file.edition != kFileEdition<Edition>) {
        read.error = res::TextCp932(res::ids::kSettingsFileInvalid);
        return read;
    }
    read.values = Values(file.text);
    read.text = std::move(file.text);
    return read;
}

template <class Edition>
MiniFamilyFileValues MiniFamilySettingsFile<Edition>::Read(const std::filesystem::path& path) {
    return Of(ReadAnySettingsFile(path));
}

template <class Edition>
MiniReadResult MiniFamilySettingsFile<Edition>::Load(const std::filesystem::path& path,
                                                     Settings& settings) {
    MiniFamilyFileValues file = Read(path);
    if (!file.error.empty()) {
        return Failed(std::move(file.error));
    }
    return ReadMiniFamilySettings<Edition>(file.values, MiniValueSource::File, settings);
}

template struct MiniFamilySettingsFile<MiniEdition>;
template struct MiniFamilySettingsFile<MiniSxEdition>;

}  // namespace morvik
