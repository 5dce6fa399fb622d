#include "cli/CliOutput.h"

#include <cstdio>

#include "model/Cp932.h"
#include "model/ShownText.h"

namespace morvik::cli {

std::string UnixLineEnds(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r') {
            out += '\n';
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
        } else {
            out += utf8[i];
        }
    }
    return out;
}

std::string ForScreen(std::string_view cp932) {
    return ReplaceControlChars(UnixLineEnds(Cp932ToUtf8(cp932)), true);
}

void PrintError(const std::string& utf8) {
    std::fputs(utf8.c_str(), stderr);
    if (utf8.empty() || utf8.back() != '\n') {
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}

namespace {
bool quietRun = false;
}  // namespace

void SetQuiet(bool quiet) {
    quietRun = quiet;
}

bool Quiet() {
    return quietRun;
}

void PrintInfo(const std::string& utf8) {
    if (!quietRun) {
        PrintError(utf8);
    }
}

void PrintOut(const std::string& utf8) {
    std::fputs(utf8.c_str(), stdout);
    if (utf8.empty() || utf8.back() != '\n') {
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
}

}  // namespace morvik::cli
