#pragma once
// The settings file of the MiniSx detailed settings window: its lines in the order the window
// saves them, and loading a file into a settings model with every check of a read.

#include <filesystem>
#include <string>
#include <string_view>

#include "model/MiniSxSettings.h"

namespace morvik {

// The whole file text of the settings (MiniSx header, "ver", then every parameter line).
std::string MiniSXSettingsFileText(const MiniSXSettings& settings);

// Saves the settings as the file at path, all or nothing. On failure message holds 907 (code
// page 932) and a file that was there before is left as it was.
bool SaveMiniSXSettingsFile(const std::filesystem::path& path, const MiniSXSettings& settings,
                            std::string& message);

// True when the text holds the MiniSx header (anywhere in it).
bool IsMiniSXSettingsText(std::string_view text);

// The values of every key a MiniSx file holds, from the file's text; the NDEF text under
// "ndef_url".
MiniValues MiniSXSettingsFileValues(std::string_view text);

// Loads a file's text (as ReadSettingsFileText gives it): the MiniSx header must be in it (914
// otherwise: a Mini/MiniS file is refused), then the values are read as a read session reads
// them. On failure settings are left as they were.
MiniReadResult LoadMiniSXSettingsText(std::string_view text, MiniSXSettings& settings);

// Reads the file at path and loads it: 907 when it cannot be opened, 914 when it is too large
// to be a settings file or has no MiniSx header, then the messages of LoadMiniSXSettingsText.
MiniReadResult LoadMiniSXSettingsFile(const std::filesystem::path& path, MiniSXSettings& settings);

}  // namespace morvik
