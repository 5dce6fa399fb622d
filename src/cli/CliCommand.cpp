#include "cli/CliCommand.h"

#include <algorithm>

namespace morvik::cli {

namespace {

std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

}  // namespace

CliCommandRegistration::CliCommandRegistration(CliCommand command) {
    std::vector<CliCommand>& commands = Registry();
    const auto at =
        std::lower_bound(commands.begin(), commands.end(), command,
                         [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
    commands.insert(at, std::move(command));
}

const std::vector<CliCommand>& CliCommands() {
    return Registry();
}

const CliCommand* FindCliCommand(std::string_view name) {
    for (const CliCommand& command : Registry()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

const CliOption* FindCliOption(const CliCommand* command, std::string_view name) {
    auto matches = [name](const CliOption& option) {
        return option.name == name || (!option.shortName.empty() && option.shortName == name);
    };
    if (command != nullptr) {
        const auto found = std::find_if(command->options.begin(), command->options.end(), matches);
        if (found != command->options.end()) {
            return &*found;
        }
    }
    const std::vector<CliOption>& global = GlobalOptionDeclarations();
    const auto found = std::find_if(global.begin(), global.end(), matches);
    return found == global.end() ? nullptr : &*found;
}

}  // namespace morvik::cli
