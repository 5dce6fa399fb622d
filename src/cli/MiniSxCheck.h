#pragma once
// What `morvik check` reports of a MiniSx settings file: the message that stops the load, or the
// load's warnings and the checks the MiniSx detailed window makes before a write (the function
// pages of both sets, the NFC page, the sound files when they are to be registered).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvik::cli {

struct MiniSXCheckResult {
    std::optional<std::string> error;  // the load failed (code page 932)
    std::vector<std::string> loaded;   // warnings of the load
    std::vector<std::string> checked;  // messages before a write
};

// text: the file's text as ReadSettingsFileText gives it.
MiniSXCheckResult CheckMiniSXText(std::string_view text);

}  // namespace morvik::cli
