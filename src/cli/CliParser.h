#pragma once
// Reads the command line against the declarations of the tool's options and commands
// (CliCommand.h), with CLI11 doing the splitting: "--opt value" and "--opt=value", the command
// words, options of the tool before and after them. On top of it the rules a script relies on:
//   - an option that takes a value and is followed by nothing, by "--" or by another option
//     ("--message --no-clock") is an error: the following word is never taken as the value
//     (a value that starts with "-" is given as --message=-x);
//   - "--" ends the options: every word after it is an operand ("check -- -x.dat");
//   - an option that takes a value may be given once; a value outside the option's words, an
//     unknown option, a missing or an extra operand are errors.
// Every error is a usage error (exit 2) found before anything else is done.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"

namespace morvik::cli {

struct ParsedLine {
    const CliCommand* command = nullptr;  // nullptr: no command, or a group word alone
    std::string group;                    // the group word given without a command ("dlog")
    CliArguments args;                    // the tool's and the command's options, the operands
    bool json = false;                    // --json was given (known even when the line has a fault)
};

// Fills parsed from the arguments (without the program name); the message (UTF-8) of the first
// fault, or nothing when the line is good.
std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments,
                                            ParsedLine& parsed);

}  // namespace morvik::cli
