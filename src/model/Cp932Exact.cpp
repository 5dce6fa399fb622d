#include "model/Cp932Exact.h"

#include <algorithm>
#include <optional>

#include "model/Cp932.h"

namespace morvik {
namespace {

// The length of the UTF-8 sequence that starts with c; 1 for a byte that starts none.
std::size_t SequenceLength(unsigned char c) {
    if (c >= 0xF0 && c <= 0xF4) {
        return 4;
    }
    if (c >= 0xE0) {
        return c <= 0xEF ? 3 : 1;
    }
    return c >= 0xC2 ? 2 : 1;
}

}  // namespace

std::string Utf8ToCp932Marked(std::string_view utf8) {
    if (std::optional<std::string> whole = Utf8ToCp932(utf8)) {
        return *whole;
    }
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        const std::optional<std::string> one = Utf8ToCp932(utf8.substr(i, length));
        bytes += one ? *one : std::string(1, kNoCp932Form);
        i += length;
    }
    return bytes;
}

bool Cp932ConvertsExactly(std::string_view cp932) {
    const std::string utf8 = Cp932ToUtf8(cp932);
    // Cp932ToUtf8 shows what has no character as U+FFFD, which no code page 932 byte means.
    if (utf8.find("\xEF\xBF\xBD") != std::string::npos) {
        return false;
    }
    const std::optional<std::string> back = Utf8ToCp932(utf8);
    return back && *back == cp932;
}

}  // namespace morvik
