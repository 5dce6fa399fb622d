#pragma once
// The Slim branches of the settings commands (read, write, service). The commands pick
// them by the terminal's edition or by the file's header; each branch does what the Slim
// settings window does for that command.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliCommand.h"
#include "model/SlimSettings.h"
#include "protocol/Terminal.h"

namespace morvik::cli {

// The options of the Slim service window on the command line, besides --url and --message
// (which the service command shares with the Mini family's).
struct SlimServiceOptions {
    int function = 1;                       // --function 1|2 (機能1 or 機能2)
    std::optional<std::string> torucaUrl;   // --toruca-url, UTF-8 as given
    std::optional<std::string> torucaIcon;  // --icon
};

// The command-line declarations of --function, --toruca-url and --icon (service), and their
// values from the parsed line.
std::vector<CliOption> SlimServiceOptionDeclarations();
SlimServiceOptions SlimServiceOptionsOf(const CliArguments& args);

// The Slim service window's settings (url and message: --url and --message as given, UTF-8,
// else the preferences' service values). Nothing when they may not be written; problem then
// holds the message (UTF-8) and usage tells whether it is a fault of the command line.
std::optional<SlimEditorState> SlimServiceState(const SlimServiceOptions& options,
                                                const std::optional<std::string>& url,
                                                const std::optional<std::string>& message,
                                                std::string& problem, bool& usage);

// terminal: connected, its session open, identified as a Slim. Each leaves the terminal and
// closes the port, and returns the exit code. WriteSlim takes a state that passed its checks.
int ReadSlim(CTerminal& terminal, const std::string& path);
int WriteSlim(CTerminal& terminal, const SlimEditorState& state);

}  // namespace morvik::cli
