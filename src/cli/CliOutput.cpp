#include "cli/CliOutput.h"

#include <cstdio>

#include "cli/CliCapture.h"

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

namespace {
bool quietRun = false;
bool jsonRun = false;
std::vector<std::string> messages;
std::vector<std::string> output;

std::string WithoutLineEnd(std::string text) {
    if (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

void ToStderr(const std::string& utf8) {
    std::fputs(utf8.c_str(), stderr);
    if (utf8.empty() || utf8.back() != '\n') {
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}
}  // namespace

void PrintError(const std::string& utf8) {
    if (CliCapture* capture = CurrentCapture()) {
        capture->Message(WithoutLineEnd(utf8));
        return;
    }
    if (jsonRun) {
        messages.push_back(WithoutLineEnd(utf8));
        return;
    }
    ToStderr(utf8);
}

void SetQuiet(bool quiet) {
    quietRun = quiet;
}

bool Quiet() {
    return quietRun;
}

void PrintInfo(const std::string& utf8) {
    if (CliCapture* capture = CurrentCapture()) {
        capture->Notice(WithoutLineEnd(utf8));
        return;
    }
    // Progress and notices stay on standard error in every mode.
    if (!quietRun) {
        ToStderr(utf8);
    }
}

void PrintOut(const std::string& utf8) {
    if (CliCapture* capture = CurrentCapture()) {
        capture->Output(WithoutLineEnd(utf8));
        return;
    }
    if (jsonRun) {
        output.push_back(WithoutLineEnd(utf8));
        return;
    }
    std::fputs(utf8.c_str(), stdout);
    if (utf8.empty() || utf8.back() != '\n') {
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
}

void SetJsonMode(bool json) {
    jsonRun = json;
}

bool JsonMode() {
    // A captured command gives its results as JSON fields, which the capture's owner reads.
    return jsonRun || CurrentCapture() != nullptr;
}

void PrintInstruction(const std::string& utf8) {
    if (CliCapture* capture = CurrentCapture()) {
        capture->Notice(WithoutLineEnd(utf8));
        return;
    }
    ToStderr(utf8);
}

const std::vector<std::string>& GatheredMessages() {
    return messages;
}

const std::vector<std::string>& GatheredOutput() {
    return output;
}

}  // namespace morvik::cli
