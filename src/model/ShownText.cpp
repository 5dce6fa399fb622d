#include "model/ShownText.h"

namespace morvik {
namespace {

constexpr char kShownForControl = '?';

bool KeptLayout(unsigned char c, bool keepLineEnds) {
    return keepLineEnds && (c == '\r' || c == '\n' || c == '\t');
}

bool IsC0OrDel(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string ReplaceControlBytes(std::string_view cp932, bool keepLineEnds) {
    std::string out(cp932);
    for (char& byte : out) {
        const auto c = static_cast<unsigned char>(byte);
        if (IsC0OrDel(c) && !KeptLayout(c, keepLineEnds)) {
            byte = kShownForControl;
        }
    }
    return out;
}

std::string ReplaceControlChars(std::string_view utf8, bool keepLineEnds) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (IsC0OrDel(c) && !KeptLayout(c, keepLineEnds)) {
            out += kShownForControl;
            continue;
        }
        // U+0080..U+009F are C2 80..C2 9F in UTF-8.
        if (c == 0xC2 && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            if (next >= 0x80 && next <= 0x9F) {
                out += kShownForControl;
                ++i;
                continue;
            }
        }
        out += static_cast<char>(c);
    }
    return out;
}

}  // namespace morvik
