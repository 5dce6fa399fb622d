#pragma once
// File names travel through the tool as UTF-8 std::strings: a file dialog's choice, a command
// line's argument, a sound path of a settings file once out of code page 932. A std::string given
// to std::filesystem::path is read in the system's narrow encoding instead, which under mingw is
// byte for byte, so a Japanese name would open another file on Windows. Every conversion between
// the two goes through here (on Linux both are the same bytes).

#include <filesystem>
#include <string>
#include <string_view>

namespace morvik {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

}  // namespace morvik
