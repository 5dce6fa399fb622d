#pragma once
// Device settings files ("*.dat"): the settings of one settings window as text lines in code
// page 932, each ended by CR LF. The first line names the edition, the second is "ver" and the
// tool's version, then one "key value" line per parameter (the value runs to the line's end).
//
// This file holds what every edition shares: recognising the edition of a file, reading a file
// whole, finding a key's value, and writing a file safely. Each edition's own lines are in its
// own file (MiniFamilySettingsFile.h for the Mini/MiniS and the MiniSx).

#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvik {

// In the order the headers are looked for: a file that holds more than one header is taken for
// the first edition found.
enum class SettingsFileEdition { Slim, Mini, MiniSx, Unknown };

// The header line of an edition (without its line end, code page 932).
const std::string& SettingsFileHeader(SettingsFileEdition edition);

// The edition whose header the text holds, anywhere in it; Unknown when none.
SettingsFileEdition DetectSettingsFileEdition(std::string_view text);

// Read limits. A Mini-family file is refused above this size: it keeps out files that are
// plainly not settings files, while the largest file the tool itself writes (twelve sound paths
// of 259 double-byte characters, every record field at its limit and escaped to twice its
// length: under 10 KiB) stays well inside it.
inline constexpr std::size_t kMiniFamilySettingsFileMaxSize = 16384;

struct SettingsFileText {
    bool ok = false;
    // The edition whose header the text holds (ReadAnySettingsFile and SettingsFileFromBytes
    // only; Unknown otherwise).
    SettingsFileEdition edition = SettingsFileEdition::Unknown;
    // The whole file with CR LF appended, so that a last line without a line end is found too.
    std::string text;
    // Why the file was refused (code page 932): 907 when it cannot be opened or read, 914 when
    // it is larger than maxSize. Empty when ok.
    std::string message;
    // Refused for its size (914).
    bool tooLarge = false;
};

// Reads a whole settings file of at most maxSize bytes.
SettingsFileText ReadSettingsFileText(const std::filesystem::path& path, std::size_t maxSize);

// No edition's settings file is larger than this (the Slim's own limit is smaller and is checked
// when a Slim file is loaded).
inline constexpr std::size_t kSettingsFileReadLimit = kMiniFamilySettingsFileMaxSize;

// Reads a settings file of any edition, once: its whole text under kSettingsFileReadLimit and the
// edition its header names. The text goes on to the edition's loader as it is, so that the file
// is neither opened nor searched for its header again.
SettingsFileText ReadAnySettingsFile(const std::filesystem::path& path);

// The same on a file's bytes already in memory.
SettingsFileText SettingsFileFromBytes(std::string bytes);

// The value of a key in a file's text: what follows the key and one space on the first line
// that starts with them, up to the line's end; empty when no line has the key. Lines are found
// by search, so their order does not matter, other keys are ignored and the first line of a key
// wins. Only whole lines count: a path or a text that happens to contain "key " inside a value
// is never taken for the key's line.
std::string SettingsFileValue(std::string_view text, std::string_view key);

// The values of every key in keys, each as SettingsFileValue finds it, in one pass over the
// text's lines (a file is read for some sixty keys).
std::map<std::string, std::string, std::less<>> SettingsFileValues(
    std::string_view text, std::span<const std::string> keys);

// The "ver" line's value: the tool's own version.
std::string SettingsFileVersion();

// The complete text of a file: header, "ver" line, then one line per (key, value).
std::string BuildSettingsFileText(SettingsFileEdition edition,
                                  std::span<const std::pair<std::string, std::string>> lines);

// Writes text as the file at path, all or nothing: the bytes go to a temporary file beside it,
// which replaces the file only once it is complete. On failure (message 907, code page 932) a
// file that was there before is left as it was and nothing else is left behind.
bool WriteSettingsFile(const std::filesystem::path& path, std::string_view text,
                       std::string& message);

}  // namespace morvik
