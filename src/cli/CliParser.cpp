#include "cli/CliParser.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <map>

#include "cli/CliGlobalOptions.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

// As many operands as CLI11 may gather into one positional; the declared count is checked after.
constexpr int kOperandsMax = 1000;

std::vector<std::string> Words(std::string_view name) {
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

bool LooksLikeOption(const std::string& word) {
    return word.size() > 1 && word.front() == '-';
}

// Every option name that takes a value, of the tool and of any command.
bool TakesValue(const std::string& word) {
    auto valued = [&word](const CliOption& option) {
        return !option.value.empty() && option.name == word;
    };
    if (std::any_of(GlobalOptionDeclarations().begin(), GlobalOptionDeclarations().end(), valued)) {
        return true;
    }
    return std::any_of(CliCommands().begin(), CliCommands().end(), [&](const CliCommand& c) {
        return std::any_of(c.options.begin(), c.options.end(), valued);
    });
}

// Before CLI11 sees the line: the values that are missing, and where the options end. Returns
// the fault, or nothing; optionWords receives the words before "--", operandWords those after.
std::optional<std::string> Prescan(const std::vector<std::string>& arguments,
                                   std::vector<std::string>& optionWords,
                                   std::vector<std::string>& operandWords, bool& json) {
    size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--") {
            break;
        }
        if (word == global::kJson) {
            json = true;
        }
        optionWords.push_back(word);
        if (TakesValue(word)) {
            if (i + 1 >= arguments.size() || arguments[i + 1] == "--" ||
                LooksLikeOption(arguments[i + 1])) {
                return FormatText(ids::kOptionNeedsValue, word);
            }
            optionWords.push_back(arguments[++i]);
        }
    }
    if (i < arguments.size()) {
        operandWords.assign(arguments.begin() + static_cast<long>(i) + 1, arguments.end());
    }
    return std::nullopt;
}

// The CLI11 form of the declarations: one (sub)command per command word.
class Grammar {
  public:
    Grammar() {
        // CLI11 on Windows would read "/x" as an option; a path is an operand on every system.
        app_.allow_windows_style_options(false);
        app_.set_help_flag();
        app_.allow_extras();
        app_.require_subcommand(0, 1);
        AddOptions(app_, nullptr, GlobalOptionDeclarations());
        for (const CliCommand& command : CliCommands()) {
            CLI::App* at = &app_;
            for (const std::string& word : Words(command.name)) {
                CLI::App* sub = nullptr;
                try {
                    sub = at->get_subcommand(word);
                } catch (const CLI::OptionNotFound&) {
                    sub = at->add_subcommand(word);
                    sub->fallthrough();
                    sub->allow_extras();
                    sub->require_subcommand(0, 1);
                    sub->set_help_flag();
                }
                at = sub;
            }
            commands_[at] = &command;
            AddOptions(*at, &command, command.options);
            if (!command.operands.empty()) {
                operands_[at] = at->add_option("operands")->expected(1, kOperandsMax);
            }
        }
    }

    CLI::App& App() { return app_; }

    // The command chosen, or the group word given alone.
    const CliCommand* Chosen(std::string& group) {
        CLI::App* at = &app_;
        std::string words;
        for (;;) {
            const std::vector<CLI::App*> parsed = at->get_subcommands();
            if (parsed.empty()) {
                break;
            }
            at = parsed.front();
            words += (words.empty() ? "" : " ") + at->get_name();
        }
        const auto found = commands_.find(at);
        if (found != commands_.end()) {
            return found->second;
        }
        group = words;
        return nullptr;
    }

    // The values of the options that belong to command (or to the tool), into args; the fault
    // of a repeated option or a value outside the option's words.
    std::optional<std::string> Collect(const CliCommand* command, CliArguments& args) const {
        for (const auto& [option, declaration] : options_) {
            if (option->count() == 0 ||
                (declaration.owner != nullptr && declaration.owner != command)) {
                continue;
            }
            const CliOption& declared = *declaration.option;
            const std::string name(declared.name);
            if (declared.value.empty()) {
                args.AddFlag(name);
                continue;
            }
            const std::vector<std::string>& values = option->results();
            if (values.size() > 1) {
                return FormatText(ids::kOptionRepeated, name);
            }
            for (const std::string& value : values) {
                if (!declared.words.empty() &&
                    std::find(declared.words.begin(), declared.words.end(), value) ==
                        declared.words.end()) {
                    return FormatText(ids::kBadOptionValue, name, value);
                }
                args.AddValue(name, value);
            }
        }
        return std::nullopt;
    }

    std::vector<std::string> Operands(const CliCommand* command) const {
        for (const auto& [app, option] : operands_) {
            if (commands_.at(app) == command) {
                return option->results();
            }
        }
        return {};
    }

  private:
    struct Declared {
        const CliCommand* owner;  // nullptr: the tool's own option
        const CliOption* option;
    };

    void AddOptions(CLI::App& app, const CliCommand* owner, const std::vector<CliOption>& list) {
        for (const CliOption& option : list) {
            std::string names(option.name);
            if (!option.shortName.empty()) {
                names = std::string(option.shortName) + "," + names;
            }
            CLI::Option* added = nullptr;
            if (option.value.empty()) {
                added = app.add_flag(names);
            } else {
                added = app.add_option(names);
                added->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
            }
            options_.push_back({added, Declared{owner, &option}});
        }
    }

    CLI::App app_;
    std::vector<std::pair<CLI::Option*, Declared>> options_;
    std::map<const CLI::App*, const CliCommand*> commands_;
    std::map<const CLI::App*, CLI::Option*> operands_;
};

}  // namespace

std::optional<std::string> ParseCommandLine(const std::vector<std::string>& arguments,
                                            ParsedLine& parsed) {
    std::vector<std::string> optionWords;
    std::vector<std::string> operandWords;
    if (auto fault = Prescan(arguments, optionWords, operandWords, parsed.json)) {
        return fault;
    }
    Grammar grammar;
    try {
        // CLI11 takes the words last first.
        std::vector<std::string> reversed(optionWords.rbegin(), optionWords.rend());
        grammar.App().parse(reversed);
    } catch (const CLI::ParseError& error) {
        return FormatText(ids::kCommandLineUnreadable, error.what());
    }
    parsed.command = grammar.Chosen(parsed.group);
    const std::vector<std::string> extra = grammar.App().remaining(true);
    if (!extra.empty()) {
        const std::string& first = extra.front();
        if (LooksLikeOption(first)) {
            return FormatText(ids::kUnknownOption, first);
        }
        if (parsed.command == nullptr) {
            const std::string words = parsed.group.empty() ? first : parsed.group + " " + first;
            return FormatText(ids::kUnknownCommand, words);
        }
        return FormatText(ids::kExtraArguments, first);
    }
    if (auto fault = grammar.Collect(parsed.command, parsed.args)) {
        return fault;
    }
    std::vector<std::string> operands = grammar.Operands(parsed.command);
    operands.insert(operands.end(), operandWords.begin(), operandWords.end());
    const size_t declared = parsed.command == nullptr ? 0 : parsed.command->operands.size();
    if (operands.size() > declared) {
        return FormatText(ids::kExtraArguments, operands[declared]);
    }
    // Help needs no operands; a command without its file is a fault of the line.
    if (operands.size() < declared && !parsed.args.Has(global::kHelp)) {
        return Text(ids::kFileArgumentNeeded);
    }
    for (std::string& operand : operands) {
        parsed.args.AddOperand(std::move(operand));
    }
    return std::nullopt;
}

}  // namespace morvik::cli
