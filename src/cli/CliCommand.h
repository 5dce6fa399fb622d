#pragma once
// The command framework of the command-line tool. Every command lives in a file of its own and
// declares itself there with a static CliCommandRegistration: its name, its texts, its operands
// and options, and the function that runs it. The parser, the help texts, the manual page and the
// bash completion are all made from these declarations, so a new command is one new file:
//
//   namespace {
//   int RunInfo(CliContext& context, const CliArguments& args) { ... }
//   const CliCommandRegistration kInfo({.name = "info", .summaryId = ids::kInfoSummary,
//                                       .helpId = ids::kInfoHelp, .run = RunInfo});
//   }
//
// A name may have several words ("dlog erase", "fleet dlog get"): the words before the last are
// groups that only name their commands.

#include <string_view>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliExitCodes.h"

namespace morvik::cli {

class CliContext;

// What Tab offers for an option's value or an operand.
enum class CliCompletion {
    kNone,        // anything (a URL, a text)
    kWords,       // the option's words
    kComNumbers,  // the COM numbers of the ports folder
    kDevices,     // serial devices and files
    kFiles,       // files with the extension
};

struct CliOption {
    std::string_view name = {};       // "--url"
    std::string_view shortName = {};  // "-h", or empty
    std::string_view value = {};      // what the value is called ("URL"); empty for a flag
    int helpId = 0;                   // its line in the help (string table)
    // The values it takes when it takes only these (checked by the parser, offered by Tab).
    std::vector<std::string_view> words = {};
    CliCompletion completion = CliCompletion::kNone;
    std::string_view extension = {};  // kFiles
    bool hidden = false;              // left out of the help, the manual page and the completion
};

struct CliOperand {
    std::string_view name = {};       // "FILE.dat"
    std::string_view extension = {};  // "dat": Tab offers such files
};

struct CliCommand {
    std::string_view name = {};
    int summaryId = 0;  // one line for the tool's --help (string table)
    int helpId = 0;     // what the command does, for its --help and the manual page
    std::vector<CliOperand> operands = {};  // each one required, in this order
    std::vector<CliOption> options = {};
    // Runs the command with its parsed arguments; returns the exit code (CliExitCodes.h).
    int (*run)(CliContext& context, const CliArguments& args) = nullptr;
};

struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommand command);
};

// Every registered command, sorted by name.
const std::vector<CliCommand>& CliCommands();

// The command of that name; nullptr when none.
const CliCommand* FindCliCommand(std::string_view name);

// The tool's own options, valid before and after the command words.
const std::vector<CliOption>& GlobalOptionDeclarations();

// The option's declaration in the command or among the tool's options; nullptr when none.
const CliOption* FindCliOption(const CliCommand* command, std::string_view name);

}  // namespace morvik::cli
