#include "model/Escape.h"

#include "model/TextChars.h"

namespace morvik {
namespace {

constexpr char kBackslash = '\\';

bool IsLineBreakAt(std::string_view text, std::size_t pos) {
    return pos + 1 < text.size() && text[pos] == '\r' && text[pos + 1] == '\n';
}

}  // namespace

std::string CheckEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = CharacterLength(text, i);
        if (len == 1 && IsLineBreakAt(text, i)) {
            out += "\\r\\n";
            i += 2;
            continue;
        }
        if (len == 1 && text[i] == ' ') {
            out += "\\s";
        } else {
            out.append(text.substr(i, len));
        }
        i += len;
    }
    return out;
}

std::string TransferEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = CharacterLength(text, i);
        if (len == 2) {
            out.append(text.substr(i, 2));
            // The terminal's parser is not aware of double-byte characters: a trail byte 0x5C
            // would swallow the next byte as an escape, so it gets a backslash to pair with.
            if (text[i + 1] == kBackslash) {
                out += kBackslash;
            }
        } else if (IsLineBreakAt(text, i)) {
            out += "\\r\\n";
            i += 2;
            continue;
        } else if (text[i] == kBackslash) {
            out += "\\\\";
        } else if (text[i] == ' ') {
            out += "\\s";
        } else {
            out += text[i];
        }
        i += len;
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t len = CharacterLength(text, i);
        if (len == 2) {
            out.append(text.substr(i, 2));
            i += 2;
            // Trail-byte repair: the backslash that the transfer escape added after a trail
            // byte 0x5C belongs to that character and is dropped.
            if (text[i - 1] == kBackslash && i < text.size() && text[i] == kBackslash) {
                ++i;
            }
            continue;
        }
        if (text[i] != kBackslash) {
            out += text[i];
            ++i;
            continue;
        }
        const std::string_view rest = text.substr(i);
        if (rest.starts_with("\\\\")) {
            out += kBackslash;
            i += 2;
        } else if (rest.starts_with("\\r\\n")) {
            out += "\r\n";
            i += 4;
        } else if (rest.starts_with("\\s")) {
            out += ' ';
            i += 2;
        } else {
            // A backslash that starts no known sequence stands for itself.
            out += kBackslash;
            ++i;
        }
    }
    return out;
}

}  // namespace morvik
