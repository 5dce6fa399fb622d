#pragma once
// The settings file of the Mini and MiniS detailed settings window: its lines in the order the
// window saves them, and loading a file into a settings model with every check of a read.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/MiniSettings.h"

namespace morvik {

// The whole file text of the settings (header, "ver", then every parameter line).
std::string MiniSettingsFileText(const MiniSettings& settings);

// Saves the settings as the file at path, all or nothing. On failure message holds 907 (code
// page 932) and a file that was there before is left as it was.
bool SaveMiniSettingsFile(const std::filesystem::path& path, const MiniSettings& settings,
                          std::string& message);

// The values of every key a Mini file holds, from the file's text.
MiniValues MiniSettingsFileValues(std::string_view text);

// Loads a file's text (as ReadSettingsFileText gives it) into settings: the Mini header must be
// in it (914 otherwise), then the values are read as a read session reads them
// (ReadMiniSettings, file source). On failure settings are left as they were.
MiniReadResult LoadMiniSettingsText(std::string_view text, MiniSettings& settings);

// Reads the file at path and loads it: 907 when it cannot be opened, 914 when it is too large
// to be a settings file or has no Mini header, then the messages of LoadMiniSettingsText.
MiniReadResult LoadMiniSettingsFile(const std::filesystem::path& path, MiniSettings& settings);

}  // namespace morvik
