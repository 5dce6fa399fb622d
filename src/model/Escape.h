#pragma once
// Escaping of free-text values. On the wire and in settings files a value is one word: a line
// break travels as "\r\n" (backslash r backslash n), a space as "\s" and a backslash as "\\".
// All functions walk code page 932 characters, so a trail byte 0x5C is never an escape.

#include <string>
#include <string_view>

namespace morvik {

// Check escape: the form in which editors check characters and lengths (CR LF -> "\r\n",
// space -> "\s"; a typed backslash stays single so the limits count it once).
std::string CheckEscape(std::string_view text);

// Transfer escape: the form sent with "pset" and written to settings files.
std::string TransferEscape(std::string_view text);

// Unescape: turns a value read from a terminal or a file back into the text it stands for.
std::string Unescape(std::string_view text);

}  // namespace morvik
