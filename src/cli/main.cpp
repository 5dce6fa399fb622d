// morvik: the command-line tool. Global options may stand before or after the command words;
// everything else belongs to the command.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliConsole.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "link/PortMap.h"
#include "model/Cp932.h"
#include "morvik/Version.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kPortOption = "--port";
constexpr std::string_view kDeviceOption = "--device";
constexpr std::string_view kTraceOption = "--trace";
constexpr std::string_view kQuietOption = "--quiet";

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

std::optional<int> ParsePort(const std::string& text) {
    if (text.empty() || text.size() > 3 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const int port = std::stoi(text);
    if (port < kFirstComPort || port > kLastComPort) {
        return std::nullopt;
    }
    return port;
}

void PrintToolHelp() {
    std::string text = Text(ids::kUsage) + "\n\n" + Text(ids::kOptionsHelp) + "\n\n" +
                       Text(ids::kCommandsHeading) + "\n";
    for (const CliCommand& command : CliCommands()) {
        std::string name(command.name);
        name.resize(std::max<size_t>(name.size(), 12), ' ');
        text += "  " + name + "  " + Text(command.summaryId) + "\n";
    }
    text += "\n" + Text(ids::kCommandHelpHint);
    PrintOut(text);
}

int UsageError(const std::string& message) {
    PrintError(message);
    PrintError(Text(ids::kUsage));
    return kExitUsage;
}

struct ParsedLine {
    GlobalOptions options;
    std::vector<std::string> words;  // the command and its arguments
    bool toolHelp = false;
    bool version = false;
};

// Takes the global options out of the command line; returns a usage error text when it is bad.
std::optional<std::string> ParseLine(const std::vector<std::string>& args, ParsedLine& parsed) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> value;
        std::string option = arg;
        const size_t equals = arg.find('=');
        if (arg.starts_with("--") && equals != std::string::npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (option == kPortOption || option == kDeviceOption) {
            if (!value) {
                if (i + 1 >= args.size()) {
                    return FormatText(ids::kOptionNeedsValue, option);
                }
                value = args[++i];
            }
            if (option == kPortOption) {
                parsed.options.port = ParsePort(*value);
                if (!parsed.options.port) {
                    return FormatText(ids::kBadPortNumber, *value);
                }
            } else {
                if (value->empty()) {
                    return FormatText(ids::kOptionNeedsValue, option);
                }
                parsed.options.device = *value;
            }
        } else if (arg == kTraceOption) {
            parsed.options.trace = true;
        } else if (arg == kQuietOption) {
            parsed.options.quiet = true;
        } else if (parsed.words.empty() && IsHelp(arg)) {
            parsed.toolHelp = true;
        } else if (parsed.words.empty() && arg == "--version") {
            parsed.version = true;
        } else if (parsed.words.empty() && arg.starts_with("-")) {
            return FormatText(ids::kUnknownOption, arg);
        } else {
            parsed.words.push_back(arg);
        }
    }
    if (parsed.options.port && !parsed.options.device.empty()) {
        return Text(ids::kPortAndDevice);
    }
    return std::nullopt;
}

int Run(const std::vector<std::string>& args) {
    ParsedLine parsed;
    if (const std::optional<std::string> error = ParseLine(args, parsed)) {
        return UsageError(*error);
    }
    if (parsed.version) {
        PrintOut(std::string("morvik ") + kProgramVersion);
        return kExitOk;
    }
    if (parsed.toolHelp) {
        PrintToolHelp();
        return kExitOk;
    }
    if (parsed.words.empty()) {
        return UsageError(Text(ids::kNoCommand));
    }

    size_t used = 0;
    const CliCommand* command = FindCliCommand(parsed.words, used);
    if (command == nullptr) {
        // A group word alone ("dlog"): name the commands of the group.
        std::string group;
        for (const CliCommand& known : CliCommands()) {
            if (known.name.starts_with(parsed.words.front() + " ")) {
                group += "\n  " + std::string(known.name) + "  " + Text(known.summaryId);
            }
        }
        if (!group.empty()) {
            PrintError(FormatText(ids::kSubcommandNeeded, parsed.words.front()) + group);
            return kExitUsage;
        }
        return UsageError(FormatText(ids::kUnknownCommand, parsed.words.front()));
    }
    std::vector<std::string> commandArgs(parsed.words.begin() + static_cast<long>(used),
                                         parsed.words.end());
    if (TakeFlag(commandArgs, "--help") || TakeFlag(commandArgs, "-h")) {
        PrintOut(Text(command->helpId));
        return kExitOk;
    }
    SetQuiet(parsed.options.quiet);
    CliContext context(parsed.options);
    return command->run(context, commandArgs);
}

}  // namespace
}  // namespace morvik::cli

int main(int argc, char** argv) {
    morvik::cli::PrepareConsole();
    if (!morvik::Cp932ConverterAvailable()) {
        std::fputs(morvik::Cp932MissingMessage(), stderr);
        return morvik::cli::kExitFailure;
    }
    const int code = morvik::cli::Run(std::vector<std::string>(argv + 1, argv + argc));
    // Output that did not reach its file (a full disk, a closed pipe) is a failure, not a result.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        morvik::cli::PrintError(morvik::cli::Text(morvik::cli::ids::kOutputWriteFailed));
        return code == morvik::cli::kExitOk ? morvik::cli::kExitFailure : code;
    }
    return code;
}
