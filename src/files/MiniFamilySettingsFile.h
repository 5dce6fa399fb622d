#pragma once
// The settings file of a Mini-family detailed settings window (Mini/MiniS or MiniSx): its lines
// in the order the window saves them, and loading a file into a settings model with every check
// of a read. Edition is MiniEdition or MiniSxEdition (model/MiniFamilyEdition.h); each edition's
// names for the functions follow the class.

#include <filesystem>
#include <string>
#include <string_view>

#include "files/SettingsFile.h"
#include "model/MiniFamilyEdition.h"

namespace morvik {

// What a settings file at a path holds, for a read session.
struct MiniFamilyFileValues {
    // 907 when the file cannot be opened, 914 when it is too large to be a settings file or
    // has not the edition's header; empty when the values were taken.
    std::string error;
    std::string text;  // the file's bytes followed by CR LF
    MiniValues values;
};

template <class Edition>
struct MiniFamilySettingsFile {
    using Settings = typename Edition::Settings;

    // The whole file text (the edition's header, "ver", then every parameter line).
    static std::string Text(const Settings& settings);

    // Saves the settings as the file at path, all or nothing. On failure message holds 907
    // (code page 932) and a file that was there before is left as it was.
    static bool Save(const std::filesystem::path& path, const Settings& settings,
                     std::string& message);

    // The values of every key a file of the edition holds, from the file's text (the MiniSx's
    // NDEF text under "ndef_url").
    static MiniValues Values(std::string_view text);

    // Loads a file's text (as ReadSettingsFileText gives it): the edition's header must be in
    // it, anywhere (914 otherwise: a file of another edition is refused), then the values are
    // read as a read session reads them (file source). On failure settings are left as they
    // were.
    static MiniReadResult LoadText(std::string_view text, Settings& settings);

    // A file as ReadAnySettingsFile read it: its text and values, or why it is no file of the
    // edition (one whose header names another edition first among them).
    static MiniFamilyFileValues Of(SettingsFileText file);

    // Reads the file at path the same way.
    static MiniFamilyFileValues Read(const std::filesystem::path& path);

    // Reads the file at path and loads it: the messages of Read, then those of LoadText.
    static MiniReadResult Load(const std::filesystem::path& path, Settings& settings);
};

extern template struct MiniFamilySettingsFile<MiniEdition>;
extern template struct MiniFamilySettingsFile<MiniSxEdition>;

// The Mini/MiniS names.
inline constexpr auto& MiniSettingsFileText = MiniFamilySettingsFile<MiniEdition>::Text;
inline constexpr auto& SaveMiniSettingsFile = MiniFamilySettingsFile<MiniEdition>::Save;
inline constexpr auto& MiniSettingsFileValues = MiniFamilySettingsFile<MiniEdition>::Values;
inline constexpr auto& LoadMiniSettingsText = MiniFamilySettingsFile<MiniEdition>::LoadText;
inline constexpr auto& LoadMiniSettingsFile = MiniFamilySettingsFile<MiniEdition>::Load;

// The MiniSx names.
inline constexpr auto& MiniSxSettingsFileText = MiniFamilySettingsFile<MiniSxEdition>::Text;
inline constexpr auto& SaveMiniSxSettingsFile = MiniFamilySettingsFile<MiniSxEdition>::Save;
inline constexpr auto& LoadMiniSxSettingsText = MiniFamilySettingsFile<MiniSxEdition>::LoadText;
inline constexpr auto& LoadMiniSxSettingsFile = MiniFamilySettingsFile<MiniSxEdition>::Load;

}  // namespace morvik
