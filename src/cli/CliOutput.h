#pragma once
// Output of the command-line tool: UTF-8 on standard output (results) and standard error
// (messages), with Unix line ends.

#include <string>
#include <string_view>
#include <vector>

#include "res/Strings.h"

namespace morvik::cli {

// A string-table text as UTF-8.
inline std::string Text(int id) {
    return std::string(res::Text(id));
}

// What FormatText passes on: C strings for texts, numbers as they are.
inline const char* CStr(const std::string& text) {
    return text.c_str();
}
inline const char* CStr(const char* text) {
    return text;
}
inline int CStr(int value) {
    return value;
}

// A string-table text with "%s" (and similar) filled in.
template <typename... Args>
std::string FormatText(int id, const Args&... args) {
    return res::Format(res::Text(id), CStr(args)...);
}

// Code page 932 text as UTF-8 for the screen, CR LF (and a lone CR) as LF, every other control
// character (an escape sequence from a terminal) as "?".
std::string ForScreen(std::string_view cp932);

// UTF-8 text with its line ends made Unix ones.
std::string UnixLineEnds(std::string_view utf8);

// One message line (or several) on standard error; a line end is added. With --json the message
// goes into the JSON object's "messages" instead.
void PrintError(const std::string& utf8);
// --quiet: informational lines (notices, what a command is doing, progress bars) are left out;
// errors and results never are.
void SetQuiet(bool quiet);
bool Quiet();
// An informational line on standard error, unless quiet.
void PrintInfo(const std::string& utf8);
// What the operator must do now (switch the terminal off and on): on standard error even when
// quiet, and in JSON mode too.
void PrintInstruction(const std::string& utf8);
// Text on standard output; a line end is added unless it ends in one. With --json the lines go
// into the JSON object's "output" instead (commands whose results have JSON fields of their own
// print nothing in that mode).
void PrintOut(const std::string& utf8);

// --json: results and messages are gathered for the one JSON object printed at the end.
void SetJsonMode(bool json);
bool JsonMode();
// What PrintError and PrintOut gathered in that mode, one entry per call (without the line end).
const std::vector<std::string>& GatheredMessages();
const std::vector<std::string>& GatheredOutput();

}  // namespace morvik::cli
