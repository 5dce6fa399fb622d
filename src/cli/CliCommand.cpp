#include "cli/CliCommand.h"

#include <algorithm>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {

namespace {

std::vector<CliCommand>& Registry() {
    static std::vector<CliCommand> commands;
    return commands;
}

std::vector<std::string> SplitWords(std::string_view name) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= name.size()) {
        const size_t space = name.find(' ', start);
        const size_t end = space == std::string_view::npos ? name.size() : space;
        words.emplace_back(name.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

}  // namespace

CliCommandRegistration::CliCommandRegistration(const CliCommand& command) {
    Registry().push_back(command);
}

std::vector<CliCommand> CliCommands() {
    std::vector<CliCommand> commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
    return commands;
}

const CliCommand* FindCliCommand(const std::vector<std::string>& words, size_t& wordsUsed) {
    const CliCommand* best = nullptr;
    wordsUsed = 0;
    for (const CliCommand& command : Registry()) {
        const std::vector<std::string> name = SplitWords(command.name);
        if (name.size() <= wordsUsed || name.size() > words.size()) {
            continue;
        }
        if (std::equal(name.begin(), name.end(), words.begin())) {
            best = &command;
            wordsUsed = name.size();
        }
    }
    return best;
}

bool TakeFlag(std::vector<std::string>& args, std::string_view flag) {
    const auto end = std::remove(args.begin(), args.end(), flag);
    const bool found = end != args.end();
    args.erase(end, args.end());
    return found;
}

bool NoArgumentsLeft(const std::vector<std::string>& args) {
    if (args.empty()) {
        return true;
    }
    const int id = args.front().starts_with("-") ? ids::kUnknownOption : ids::kExtraArguments;
    PrintError(FormatText(id, args.front()));
    return false;
}

}  // namespace morvik::cli
