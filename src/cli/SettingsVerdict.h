#pragma once
// What the command-line tool makes of a device settings file before it is written: one verdict
// that `check` prints and that `write` obeys, so that the two cannot disagree. The file is loaded
// as the edition its header names is loaded by its settings window, and checked as that window
// checks before a write; every message of either (each once) is a reason not to write it.

#include <optional>
#include <string>
#include <vector>

#include "files/SettingsFile.h"
#include "model/MiniSettings.h"
#include "model/MiniSxSettings.h"
#include "model/SlimSettings.h"

namespace morvik::cli {

struct SettingsVerdict {
    // The file could not be read at all (907, code page 932); nothing else is known.
    std::optional<std::string> unreadable;
    SettingsFileEdition edition = SettingsFileEdition::Unknown;
    // Every message of the load and of the checks before a write, code page 932, in the order
    // the window shows them. Empty: the file may be written as it stands.
    std::vector<std::string> messages;
    // The settings loaded, of the file's edition.
    MiniSettings mini;
    MiniSxSettings miniSx;
    SlimEditorState slim;

    bool Writable() const { return !unreadable && messages.empty(); }
};

SettingsVerdict JudgeSettingsFile(const std::string& path);

// "slim", "mini" (Mini and MiniS) or "minisx"; empty for Unknown.
std::string EditionName(SettingsFileEdition edition);

}  // namespace morvik::cli
