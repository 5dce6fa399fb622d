#include "model/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace morvik {
namespace {

// glibc's "SHIFT_JIS" is a different table (0x5C becomes a yen sign, NEC and IBM extensions such
// as "①" are missing); "CP932" is the Windows code page the terminals and the files use.
constexpr const char* kCp932Name = "CP932";

class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can. On an invalid or unconvertible sequence, calls onBad with the
    // remaining input and expects it to return how many input bytes to skip and what to emit.
    template <typename OnBad>
    bool Run(std::string_view in, std::string& out, OnBad onBad) {
        if (!valid()) {
            return false;
        }
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in.data());
        size_t inLeft = in.size();
        char buffer[1024];
        while (inLeft > 0) {
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<size_t>(outPtr - buffer));
            if (rc == static_cast<size_t>(-1)) {
                if (errno == E2BIG) {
                    continue;
                }
                std::string_view rest(inPtr, inLeft);
                std::string emit;
                size_t skip = 0;
                if (!onBad(rest, emit, skip)) {
                    return false;
                }
                out += emit;
                inPtr += skip;
                inLeft -= skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        iconv(cd_, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        return true;
    }

  private:
    iconv_t cd_;
};

size_t Utf8SequenceLength(unsigned char c) {
    if (c < 0x80)
        return 1;
    if ((c & 0xE0) == 0xC0)
        return 2;
    if ((c & 0xF0) == 0xE0)
        return 3;
    if ((c & 0xF8) == 0xF0)
        return 4;
    return 1;
}

}  // namespace

bool Cp932ConverterAvailable() {
    // A character outside ASCII both ways: a table that is present but broken fails here too.
    const std::optional<std::string> encoded = Utf8ToCp932("\xE3\x81\x82");  // "あ"
    return encoded && *encoded == "\x82\xA0" && Cp932ToUtf8(*encoded) == "\xE3\x81\x82";
}

const char* Cp932MissingMessage() {
    return "The code page 932 (CP932) converter of this system's iconv is not available, so no\n"
           "Japanese text can be sent to a terminal or shown. Install the iconv/gconv modules\n"
           "that include CP932 (Debian/Ubuntu: libc6; Fedora/RHEL: glibc-gconv-extra;\n"
           "Alpine: gnu-libiconv) and start the program again.\n";
}

std::string Cp932ToUtf8(std::string_view cp932) {
    Converter conv("UTF-8", kCp932Name);
    std::string out;
    conv.Run(cp932, out, [](std::string_view rest, std::string& emit, size_t& skip) {
        unsigned char c = static_cast<unsigned char>(rest[0]);
        skip = (IsCp932LeadByte(c) && rest.size() >= 2) ? 2 : 1;
        emit = "\xEF\xBF\xBD";
        return true;
    });
    return out;
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    Converter conv(kCp932Name, "UTF-8");
    std::string out;
    if (!conv.Run(utf8, out, [](std::string_view, std::string&, size_t&) { return false; })) {
        return std::nullopt;
    }
    return out;
}

std::string Utf8ToCp932Lossy(std::string_view utf8) {
    Converter conv(kCp932Name, "UTF-8");
    std::string out;
    conv.Run(utf8, out, [](std::string_view rest, std::string& emit, size_t& skip) {
        skip = std::min(rest.size(), Utf8SequenceLength(static_cast<unsigned char>(rest[0])));
        emit = "?";
        return true;
    });
    return out;
}

}  // namespace morvik
