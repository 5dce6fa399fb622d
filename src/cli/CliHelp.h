#pragma once
// The help texts of the command-line tool, made from the declarations of its options and
// commands (CliCommand.h): the tool's --help, each command's --help and the list of a group's
// commands. The manual page and the bash completion come from the same declarations
// (CliReference.h).

#include <string>
#include <string_view>

#include "cli/CliCommand.h"

namespace morvik::cli {

// The usage line of the tool, for usage errors.
std::string ToolUsage();
// morvik --help.
std::string ToolHelp();
// morvik COMMAND --help.
std::string CommandHelp(const CliCommand& command);
// The commands of a group ("dlog"), one per line with its summary.
std::string GroupCommands(std::string_view group);

// The command's words, operands and options as a synopsis: "write [--set-clock] FILE.dat".
std::string CommandSynopsis(const CliCommand& command);
// How an option is written with its value: "--sound keep|standard|silent", "--url URL".
std::string OptionWithValue(const CliOption& option);

}  // namespace morvik::cli
