// morvik: the command-line tool. The tool's options may stand before or after the command words;
// the line is read against the declarations of the options and commands (CliParser.h).

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliConsole.h"
#include "cli/CliContext.h"
#include "cli/CliGlobalOptions.h"
#include "cli/CliHelp.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliParser.h"
#include "cli/CliReference.h"
#include "cli/CliStringIds.h"
#include "link/PortMap.h"
#include "model/Cp932.h"
#include "morvik/Version.h"

namespace morvik::cli {
namespace {

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

int UsageError(const std::string& message) {
    PrintError(message);
    if (!JsonMode()) {
        PrintError(ToolUsage());
    }
    return kExitUsage;
}

// The tool's options that every command works with; a usage error text when they are bad.
std::optional<std::string> ToolOptions(const CliArguments& args, GlobalOptions& options) {
    if (const std::optional<std::string> port = args.Value(global::kPort)) {
        options.port = ParsePort(*port);
        if (!options.port) {
            return FormatText(ids::kBadPortNumber, *port);
        }
    }
    if (const std::optional<std::string> device = args.Value(global::kDevice)) {
        if (device->empty()) {
            return FormatText(ids::kOptionNeedsValue, std::string(global::kDevice));
        }
        options.device = *device;
    }
    if (options.port && !options.device.empty()) {
        return Text(ids::kPortAndDevice);
    }
    options.trace = args.Has(global::kTrace);
    options.quiet = args.Has(global::kQuiet);
    return std::nullopt;
}

// Runs the line; name receives the command's name for the JSON object.
int Run(const std::vector<std::string>& arguments, std::optional<std::string>& name) {
    ParsedLine parsed;
    const std::optional<std::string> fault = ParseCommandLine(arguments, parsed);
    if (parsed.command != nullptr) {
        name = std::string(parsed.command->name);
    } else if (!parsed.group.empty()) {
        name = parsed.group;
    }
    const CliArguments& args = parsed.args;
    // Help, the version and the reference are text in every mode.
    const bool text = !fault && (args.Has(global::kHelp) || args.Has(global::kVersion) ||
                                 args.Has(global::kReference));
    SetJsonMode(parsed.json && !text);
    if (fault) {
        return UsageError(*fault);
    }
    if (const std::optional<std::string> reference = args.Value(global::kReference)) {
        PrintOut(*reference == global::kReferenceMan ? ManualSections() : CompletionTables());
        return kExitOk;
    }
    if (args.Has(global::kHelp)) {
        if (parsed.command != nullptr) {
            PrintOut(CommandHelp(*parsed.command));
        } else if (!parsed.group.empty()) {
            PrintOut(FormatText(ids::kCommandUsage, parsed.group + " COMMAND") + "\n\n" +
                     Text(ids::kCommandsHeading) + "\n" + GroupCommands(parsed.group));
        } else {
            PrintOut(ToolHelp());
        }
        return kExitOk;
    }
    if (args.Has(global::kVersion) && parsed.command == nullptr) {
        PrintOut(std::string("morvik ") + kProgramVersion);
        return kExitOk;
    }
    if (parsed.command == nullptr) {
        if (!parsed.group.empty()) {
            // A group word alone ("dlog"): name the commands of the group.
            PrintError(FormatText(ids::kSubcommandNeeded, parsed.group) + "\n" +
                       GroupCommands(parsed.group));
            return kExitUsage;
        }
        return UsageError(Text(ids::kNoCommand));
    }
    GlobalOptions options;
    if (const std::optional<std::string> bad = ToolOptions(args, options)) {
        return UsageError(*bad);
    }
    SetQuiet(options.quiet);
    CliContext context(options);
    return parsed.command->run(context, args);
}

}  // namespace
}  // namespace morvik::cli

int main(int argc, char** argv) {
    using namespace morvik::cli;
    PrepareConsole();
    if (!morvik::Cp932ConverterAvailable()) {
        std::fputs(morvik::Cp932MissingMessage(), stderr);
        return kExitFailure;
    }
    std::optional<std::string> name;
    int code = Run(std::vector<std::string>(argv + 1, argv + argc), name);
    if (JsonMode()) {
        const std::string document = JsonDocument(name ? &*name : nullptr, code) + "\n";
        std::fputs(document.c_str(), stdout);
    }
    // Output that did not reach its file (a full disk, a closed pipe) is a failure, not a result.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        SetJsonMode(false);
        PrintError(Text(ids::kOutputWriteFailed));
        return code == kExitOk ? kExitFailure : code;
    }
    return code;
}
