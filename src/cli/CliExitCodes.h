#pragma once
// Every exit code of the command-line tool, in one place: the commands return these, and the
// tool's --help and the manual page list them from kExitCodes.

#include <array>

namespace morvik::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the reason is on standard error (or in the JSON "messages")
constexpr int kExitUsage = 2;    // a fault of the command line; nothing was done
// read: the file was written, but some values could not be taken as they stood (the warnings
// were printed and the file holds what the settings window would show).
constexpr int kExitWarnings = 3;
// Stopped by SIGINT or SIGTERM (128 + SIGINT, as shells report it).
constexpr int kExitInterrupted = 130;

struct ExitCodeText {
    int code;
    int textId;  // its line in the help and the manual page (string table)
};

inline constexpr std::array kExitCodes = {
    ExitCodeText{kExitOk, 3440},          ExitCodeText{kExitFailure, 3441},
    ExitCodeText{kExitUsage, 3442},       ExitCodeText{kExitWarnings, 3443},
    ExitCodeText{kExitInterrupted, 3444},
};

}  // namespace morvik::cli
