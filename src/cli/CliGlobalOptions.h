#pragma once
// The names of the tool's own options, valid before and after the command words. Their
// declarations (help texts, completion) are in CliGlobalOptions.cpp.

#include <string_view>

namespace morvik::cli::global {

inline constexpr std::string_view kPort = "--port";
inline constexpr std::string_view kDevice = "--device";
inline constexpr std::string_view kTrace = "--trace";
inline constexpr std::string_view kQuiet = "--quiet";
inline constexpr std::string_view kJson = "--json";
inline constexpr std::string_view kHelp = "--help";
inline constexpr std::string_view kVersion = "--version";
// Hidden: prints the manual page's generated sections or the bash completion, for the build.
inline constexpr std::string_view kReference = "--reference";
inline constexpr std::string_view kReferenceMan = "man";
inline constexpr std::string_view kReferenceCompletion = "completion";

}  // namespace morvik::cli::global
