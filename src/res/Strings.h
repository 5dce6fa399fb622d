#pragma once
// The string table: every user-visible text, and every command and reply word that travels to a
// terminal, is an entry referred to by its number. Texts are kept as UTF-8 for display and are
// offered as code page 932 bytes for the terminal and for files.

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace morvik::res {

// One entry of the table: its number and its UTF-8 text.
struct StringEntry {
    int id;
    std::string_view text;
};

// The UTF-8 text of entry id; an empty text when the table has no such entry.
std::string_view Text(int id);

// The code page 932 bytes of entry id (what a terminal or a settings file receives).
const std::string& TextCp932(int id);

// True when the table holds entry id.
bool Has(int id);

// Every entry of the table, sorted by number: the system's texts, the command-line tool's and
// the desktop tool's merged. Should two parts claim one number, the first part's entry is kept.
std::span<const StringEntry> Entries();

// The parts as their files define them (each sorted by number), for checks of the table itself.
std::span<const StringEntry> SystemEntries();  // below 1000 and 2000-2999, StringTable.cpp
std::span<const StringEntry> CliEntries();     // 3000-3999, CliStrings.cpp
std::span<const StringEntry> AppEntries();     // 4000-4999, AppStrings.cpp

inline std::string Format(std::string_view format) {
    return std::string(format);
}

// printf-style formatting of a table text ("%d", "%s", "%02x" ...). Works on UTF-8 and on
// code page 932 alike, since the conversions only look at ASCII.
template <typename... Args>
std::string Format(std::string_view format, Args... args) {
    std::string fmt(format);
    int needed = std::snprintf(nullptr, 0, fmt.c_str(), args...);
    if (needed <= 0) {
        return needed == 0 ? std::string() : fmt;
    }
    std::string out(static_cast<size_t>(needed) + 1, '\0');
    std::snprintf(out.data(), out.size(), fmt.c_str(), args...);
    out.resize(static_cast<size_t>(needed));
    return out;
}

}  // namespace morvik::res
