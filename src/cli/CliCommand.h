#pragma once
// The command framework of the command-line tool. Every command lives in a file of its own and
// registers itself with a static CliCommandRegistration, so a new command is a new file:
//
//   namespace {
//   int RunInfo(CliContext& context, std::vector<std::string>& args) { ... }
//   const CliCommandRegistration kInfo({"info", ids::kInfoSummary, ids::kInfoHelp, RunInfo});
//   }
//
// A name may have two words ("dlog erase"); the longest registered name that the command line
// starts with is chosen.

#include <string>
#include <string_view>
#include <vector>

namespace morvik::cli {

class CliContext;

// Exit codes of the tool.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct CliCommand {
    std::string_view name;
    int summaryId;  // one line for the tool's --help (string table)
    int helpId;     // the command's --help text (string table)
    // Runs the command with the arguments after its name (global options removed); returns the
    // exit code.
    int (*run)(class CliContext& context, std::vector<std::string>& args);
};

struct CliCommandRegistration {
    explicit CliCommandRegistration(const CliCommand& command);
};

// Every registered command, sorted by name.
std::vector<CliCommand> CliCommands();

// The command the words start with (longest name first); nullptr when none. wordsUsed receives
// how many words the name took.
const CliCommand* FindCliCommand(const std::vector<std::string>& words, size_t& wordsUsed);

// Helpers for commands' own arguments.
// Removes every occurrence of flag from args; true when there was one.
bool TakeFlag(std::vector<std::string>& args, std::string_view flag);
// Reports the first remaining argument as unknown and returns false; true when none is left.
bool NoArgumentsLeft(const std::vector<std::string>& args);

}  // namespace morvik::cli
