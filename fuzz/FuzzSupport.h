#pragma once
// What every fuzz target shares: the input as a text, a way to report a broken rule (an abort
// that libFuzzer records as a crash, with the rule named), and a scratch file for the parsers
// that read from a path.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace morvik::fuzz {

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A rule that held for every sound input was broken by this one.
[[noreturn]] inline void Broken(const char* rule) {
    std::fprintf(stderr, "rule broken: %s\n", rule);
    std::abort();
}

inline void Require(bool holds, const char* rule) {
    if (!holds) {
        Broken(rule);
    }
}

// The input split at its first line feed: a header (a command line, two numbers ...) and a body.
struct Split {
    std::string_view head;
    std::string_view body;
};

inline Split SplitFirstLine(std::string_view text) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, end), text.substr(end + 1)};
}

// A lamp pattern whose steps light nothing ("8", "1000") means no lamp, which is the empty
// pattern; a lamp code can carry such a pattern, and it is written back as the empty one.
inline void DarkLampsAsEmpty(std::string& pattern) {
    if (pattern.find_first_not_of('0', 1) == std::string::npos) {
        pattern.clear();
    }
}

// True when every lead byte of code page 932 in text is followed by a byte that can end a
// character: every text a person can type is; damaged bytes from a file or a line need not be.
// The escape and the unescape do not walk a lead byte followed by a byte that cannot end a
// character alike (such a pair followed by a space comes back as another character and "s"),
// so the round-trip rules hold for valid text only.
inline bool IsValidCp932(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))) {
            continue;
        }
        if (i + 1 >= text.size()) {
            return false;
        }
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC) {
            return false;
        }
    }
    return true;
}

// One scratch file per fuzzing process, in $TMPDIR (or /tmp), removed at exit.
class ScratchFile {
  public:
    explicit ScratchFile(const char* name) {
        const char* dir = std::getenv("TMPDIR");
        path_ = std::string(dir && *dir ? dir : "/tmp") + "/morvik-fuzz-" +
                std::to_string(::getpid()) + "-" + name;
    }
    ~ScratchFile() { std::remove(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return path_; }

    void Write(std::string_view bytes) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

  private:
    std::string path_;
};

}  // namespace morvik::fuzz
