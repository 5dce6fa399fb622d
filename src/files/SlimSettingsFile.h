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

#include <cstddef>
#include <string>
#include <string_view>

#include "model/SlimCatalogue.h"
#include "model/SlimSettings.h"

namespace morvik {

// The largest Slim settings file that is loaded. It is sized from the largest file the tool can
// write: two records with every field at its limit, each byte escaped to two, and room for a
// long version line. Anything bigger did not come from this tool.
std::size_t SlimSettingsFileLimit();

// The whole file text for values of function, with toolVersion on the "ver" line.
std::string SlimSettingsFileText(const SlimSettings& values, SlimFunction function,
                                 std::string_view toolVersion);

// Saves the editor state as a settings file with this program's version. The text goes to a
// temporary file beside path that replaces path only when complete, so a failed save leaves any
// earlier file as it was. False when the file could not be written (the caller shows 907).
bool SaveSlimSettingsFile(const std::string& path, const SlimEditorState& state);

// What reading a settings file found.
enum class SlimFileStatus {
    Ok,
    OpenFailed,  // the file cannot be opened (907)
    TooLarge,    // more than SlimSettingsFileLimit() bytes (reported as 914)
    NoHeader,    // no Slim header line anywhere (reported as 914)
};

struct SlimFileText {
    SlimFileStatus status = SlimFileStatus::OpenFailed;
    // The raw bytes followed by CR LF, so that a last line without a line end is still found;
    // empty unless status is Ok.
    std::string text;
};

SlimFileText ReadSlimSettingsFile(const std::string& path);

// True when text holds the Slim header line.
bool HasSlimHeader(std::string_view text);

// The value of key in a file text: what stands between "key " and the next CR LF, without
// trailing CR and LF characters; empty when the key is missing.
std::string SlimFileValue(std::string_view text, SlimKey key);

}  // namespace morvik
