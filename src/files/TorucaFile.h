#pragma once
// Toruca files ("*.trc"): a small text in code page 932, at most 1024 bytes, that describes one
// Toruca snippet. Each item is a line "key value" ended by CR LF; the keys read here are
// "Type:" (must be "SNIP"), "URL:", "Cat:", "Data1:" to "Data3:" (Base64), "IP-ID:",
// "Sort-ID:", "Dist:" and "Color-ID:". Other lines are ignored, the order does not matter and
// the first occurrence of a key counts. The tool only reads these files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/FunctionRecord.h"

namespace morvik {

inline constexpr std::size_t kTorucaFileMaxSize = 1024;

struct TorucaFileResult {
    // The nine fields of the Toruca page as the file gives them (category icon as four
    // lower-case hex digits, data 1 to 3 decoded); absent when the file was refused.
    std::optional<TorucaRecord> record;
    // Why it was refused (code page 932): 907 when the file cannot be opened, 915 when it is
    // not a Toruca file the terminal can take. Empty on success.
    std::string message;
};

// Reads the file at path. Never throws; a refusal leaves nothing half read for the caller.
TorucaFileResult ReadTorucaFile(const std::filesystem::path& path);

// The same rules on a file's whole content.
TorucaFileResult ParseTorucaFile(std::string_view content);

}  // namespace morvik
