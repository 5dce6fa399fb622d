#include "model/Cp932.h"

#include <windows.h>

#include <algorithm>

// Code page 932 through the system's own code page tables (MultiByteToWideChar and
// WideCharToMultiByte), by way of UTF-16.

namespace morvik {
namespace {

constexpr UINT kCp932 = 932;

std::wstring Wide(UINT codePage, DWORD flags, std::string_view text, bool& ok) {
    ok = true;
    if (text.empty()) {
        return std::wstring();
    }
    const int length = ::MultiByteToWideChar(codePage, flags, text.data(),
                                             static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) {
        ok = false;
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

std::string Utf8(std::wstring_view wide) {
    if (wide.empty()) {
        return std::string();
    }
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(std::max(length, 0)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                          length, nullptr, nullptr);
    return out;
}

// UTF-16 to code page 932 without the "best fit" look-alikes (é as e): a character the code page
// lacks is either refused (lossy false) or becomes "?".
std::optional<std::string> Cp932(std::wstring_view wide, bool lossy) {
    if (wide.empty()) {
        return std::string();
    }
    BOOL usedDefault = FALSE;
    const int length =
        ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(),
                              static_cast<int>(wide.size()), nullptr, 0, "?", &usedDefault);
    if (length <= 0 || (usedDefault && !lossy)) {
        return std::nullopt;
    }
    std::string out(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                          out.data(), length, "?", &usedDefault);
    return out;
}

}  // namespace

bool Cp932ConverterAvailable() {
    // A character outside ASCII both ways: a table that is present but broken fails here too.
    const std::optional<std::string> encoded = Utf8ToCp932("\xE3\x81\x82");  // "あ"
    return encoded && *encoded == "\x82\xA0" && Cp932ToUtf8(*encoded) == "\xE3\x81\x82";
}

const char* Cp932MissingMessage() {
    return "Code page 932 (Japanese, Shift-JIS) is not installed on this system, so no Japanese\n"
           "text can be sent to a terminal or shown. Add the Japanese language support in the\n"
           "system settings and start the program again.\n";
}

std::string Cp932ToUtf8(std::string_view cp932) {
    bool ok = false;
    std::wstring wide = Wide(kCp932, MB_ERR_INVALID_CHARS, cp932, ok);
    if (ok) {
        return Utf8(wide);
    }
    // Character by character, so that only what has no character becomes U+FFFD.
    wide.clear();
    size_t i = 0;
    while (i < cp932.size()) {
        const unsigned char c = static_cast<unsigned char>(cp932[i]);
        const size_t length = (IsCp932LeadByte(c) && i + 1 < cp932.size()) ? 2 : 1;
        const std::wstring one = Wide(kCp932, MB_ERR_INVALID_CHARS, cp932.substr(i, length), ok);
        wide += ok ? one : std::wstring(1, L'\xFFFD');
        i += length;
    }
    return Utf8(wide);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    bool ok = false;
    const std::wstring wide = Wide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, ok);
    if (!ok) {
        return std::nullopt;
    }
    return Cp932(wide, false);
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    bool ok = false;
    // Without MB_ERR_INVALID_CHARS a broken sequence becomes U+FFFD, and that becomes "?".
    const std::wstring wide = Wide(CP_UTF8, 0, utf8, ok);
    if (std::optional<std::string> whole = Cp932(wide, false)) {
        return *whole;
    }
    // Character by character, so that a character outside the code page (a surrogate pair
    // included) becomes one "?".
    std::string out;
    size_t i = 0;
    while (i < wide.size()) {
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size();
        const size_t length = pair ? 2 : 1;
        out += Cp932(std::wstring_view(wide).substr(i, length), false).value_or("?");
        i += length;
    }
    return out;
}

}  // namespace morvik
