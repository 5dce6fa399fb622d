#pragma once
// The Slim settings file ("*.dat"): code page 932 text, every line ended by CR LF.
//
//   # Morvik Slim [ZRT410] Configuration File
//   ver 1.0.0
//   func 1
//   que 5
//   psh1 <escaped record>
//   psh2 <escaped record>        (only for the functions that have a second record)
//   disp 0
//
// Readers find each value by searching for "key " and the next CR LF, so the line order does not
// matter, other lines are ignored and the first occurrence of a key wins. The header may stand
// anywhere in the file.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "files/SettingsFile.h"
#include "model/SlimCatalogue.h"
#include "model/SlimRecords.h"
#include "model/SlimSettings.h"

namespace morvik {

namespace slim_file_size {
// The transfer escape turns one byte into at most two ("\s", "\\", CR LF into "\r\n").
inline constexpr std::size_t kEscapeGrowth = 2;
// Generous room for the header line, the "ver" line's version and each "key " with its CR LF.
inline constexpr std::size_t kHeaderLine = 64;
inline constexpr std::size_t kVersionLine = 80;
inline constexpr std::size_t kKeyAndLineEnd = 12;
// func is one digit, que and disp at most two.
inline constexpr std::size_t kNumberLine = kKeyAndLineEnd + 2;

// A record: kind, two length digits per text field, the fixed icon places, the escaped fields.
constexpr std::size_t Record(std::initializer_list<int> fieldLimits, std::size_t fixedPlaces) {
    std::size_t bytes = 1 + kEscapeGrowth * fixedPlaces;
    for (int limit : fieldLimits) {
        bytes += 2 + kEscapeGrowth * static_cast<std::size_t>(limit);
    }
    return bytes;
}

inline constexpr std::size_t kLongestRecord =
    std::max({Record({slim_limits::kBrowserUrl, slim_limits::kBrowserMessage}, 0),
              Record({slim_limits::kTorucaDetailUrl, slim_limits::kTorucaData1,
                      slim_limits::kTorucaData2, slim_limits::kTorucaData3},
                     slim_limits::kTorucaIcon),
              Record({slim_limits::kMailerTo, slim_limits::kMailerCc, slim_limits::kMailerSubject,
                      slim_limits::kMailerBody, slim_limits::kMailerMessage},
                     0)});
}  // namespace slim_file_size

// The largest Slim settings file that is loaded. It is sized from the largest file the tool can
// write: two records with every field at its limit and every byte escaped to two, with room to
// spare on the other lines. Anything bigger did not come from this tool.
inline constexpr std::size_t kSlimSettingsFileMaxSize =
    slim_file_size::kHeaderLine + slim_file_size::kVersionLine + 3 * slim_file_size::kNumberLine +
    2 * (slim_file_size::kKeyAndLineEnd + slim_file_size::kLongestRecord);
// A file is read once under the limit of every edition before its header is known.
static_assert(kSlimSettingsFileMaxSize <= kSettingsFileReadLimit);

// The whole file text for values of function.
std::string SlimSettingsFileText(const SlimSettings& values, SlimFunction function);

// Saves the editor state as a settings file. The text goes to a temporary file beside path that
// replaces path only when complete, so a failed save leaves any earlier file as it was. False
// when the file could not be written (the caller shows 907).
bool SaveSlimSettingsFile(const std::string& path, const SlimEditorState& state);

// What reading a settings file found.
enum class SlimFileStatus {
    Ok,
    OpenFailed,  // the file cannot be opened (907)
    TooLarge,    // more than kSlimSettingsFileMaxSize bytes (reported as 914)
    NoHeader,    // no Slim header line anywhere (reported as 914)
};

struct SlimFileText {
    SlimFileStatus status = SlimFileStatus::OpenFailed;
    // The raw bytes followed by CR LF, so that a last line without a line end is still found;
    // empty unless status is Ok.
    std::string text;
};

// A settings file as ReadAnySettingsFile read it, taken as a Slim file: refused when it could not
// be read, names another edition or is larger than the Slim's limit.
SlimFileText SlimSettingsFileOf(SettingsFileText file);

// The same, reading the file at path or taking a file's bytes already in memory.
SlimFileText ReadSlimSettingsFile(const std::string& path);
SlimFileText SlimSettingsFileFromBytes(std::string bytes);

// True when text holds the Slim header line.
bool HasSlimHeader(std::string_view text);

// The value of key in a file text: the rest of the first line that starts with "key ", without
// its line end; empty when the key is missing.
std::string SlimFileValue(std::string_view text, SlimKey key);

// All five values of a file text.
SlimSettings SlimFileValues(std::string_view text);

}  // namespace morvik
