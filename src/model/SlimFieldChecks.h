#pragma once
// The character and length rules of the Slim record fields, shared by the checks of read records
// and by the checks before a write or save (which run them in a different order).

#include <string>
#include <string_view>

namespace morvik {

// Which characters a field accepts.
enum class SlimCharClass {
    Url,              // URL characters
    PrintableAscii,   // mail addresses
    DeviceText,       // one-line texts shown by a phone
    DeviceTextLines,  // texts that may hold line breaks: checked in their escaped form, so that
                      // a line break (and a space) passes while a TAB or a lone CR or LF does not
};

bool SlimCharsOk(SlimCharClass charClass, std::string_view text);

// Byte count of a field as typed (code page 932).
inline int SlimLength(std::string_view text) {
    return static_cast<int>(text.size());
}

// The message of string id, code page 932.
std::string SlimMessage(int id);

// The message of string id with its "%d" filled with limit.
std::string SlimLimitMessage(int id, int limit);

}  // namespace morvik
