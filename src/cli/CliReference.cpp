#include "cli/CliReference.h"

#include <algorithm>
#include <map>
#include <set>

#include "cli/CliCommand.h"
#include "cli/CliHelp.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

// Text for roff: backslashes and hyphens escaped, line breaks as breaks, and no line that starts
// with a control character. Japanese has no spaces where troff may break a line, so the source
// line ends after a "。" or "、" once it is long; troff joins such lines with a space.
std::string Roff(std::string_view text) {
    constexpr size_t kLongLine = 60;  // bytes: about 20 Japanese characters
    std::string out;
    size_t lineStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (out.size() == lineStart && (c == '.' || c == '\'')) {
            out += "\\&";
        }
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else if (c == '\n') {
            out += "\n.br\n";
            lineStart = out.size();
        } else {
            out += c;
        }
        const std::string_view rest = text.substr(i + 1);
        const bool afterMark = out.ends_with("。") || out.ends_with("、");
        if (afterMark && out.size() - lineStart > kLongLine && !rest.empty() &&
            rest.front() != '\n') {
            out += '\n';
            lineStart = out.size();
        }
    }
    return out;
}

std::string Bold(std::string_view text) {
    return "\\fB" + Roff(text) + "\\fR";
}

std::string Italic(std::string_view text) {
    return "\\fI" + Roff(text) + "\\fR";
}

// "--sound keep|standard|silent" with the option and its words bold, a value's name italic.
std::string RoffOption(const CliOption& option) {
    std::string text = Bold(option.name);
    if (!option.shortName.empty()) {
        text = Bold(option.shortName) + ", " + text;
    }
    if (!option.words.empty()) {
        text += " ";
        for (size_t i = 0; i < option.words.size(); ++i) {
            text += (i == 0 ? "" : "|") + Bold(option.words[i]);
        }
    } else if (!option.value.empty()) {
        text += " " + Italic(option.value);
    }
    return text;
}

std::string RoffOptions(const std::vector<CliOption>& options) {
    std::string text;
    for (const CliOption& option : options) {
        if (!option.hidden) {
            text += ".TP\n" + RoffOption(option) + "\n" + Roff(Text(option.helpId)) + "\n";
        }
    }
    return text;
}

std::string RoffSynopsis(const CliCommand& command) {
    std::string text = Bold(command.name);
    for (const CliOption& option : command.options) {
        if (!option.hidden) {
            text += " [" + RoffOption(option) + "]";
        }
    }
    for (const CliOperand& operand : command.operands) {
        text += " " + Italic(operand.name);
    }
    return text;
}

// A bash word list: $'a\nb' (the completion splits on line ends).
std::string BashWords(const std::vector<std::string>& words) {
    std::string text = "$'";
    for (size_t i = 0; i < words.size(); ++i) {
        text += (i == 0 ? "" : "\\n") + words[i];
    }
    return text + "'";
}

std::string FirstWord(std::string_view name) {
    return std::string(name.substr(0, name.find(' ')));
}

std::vector<std::string> OptionNames(const std::vector<CliOption>& options) {
    std::vector<std::string> names;
    for (const CliOption& option : options) {
        if (!option.hidden) {
            names.emplace_back(option.name);
        }
    }
    return names;
}

// What completes an option's value: "words a b", "com", "device", "files EXT" or "none".
std::string ValueCompletion(const CliOption& option) {
    switch (option.completion) {
        case CliCompletion::kComNumbers:
            return "com";
        case CliCompletion::kDevices:
            return "device";
        case CliCompletion::kFiles:
            return "files " + std::string(option.extension);
        default:
            break;
    }
    if (option.words.empty()) {
        return "none";
    }
    std::string text = "words";
    for (std::string_view word : option.words) {
        text += " " + std::string(word);
    }
    return text;
}

}  // namespace

std::string ManualSections() {
    std::string text = ".SH オプション\n" + RoffOptions(GlobalOptionDeclarations()) + ".PP\n" +
                       Roff(Text(ids::kToolNotes)) + "\n";
    text += ".SH コマンド\n";
    for (const CliCommand& command : CliCommands()) {
        text += ".TP\n" + RoffSynopsis(command) + "\n" + Roff(Text(command.helpId)) + "\n";
        if (!OptionNames(command.options).empty()) {
            text += ".RS\n" + RoffOptions(command.options) + ".RE\n";
        }
    }
    text += ".SH 終了ステータス\n";
    for (const ExitCodeText& exit : kExitCodes) {
        text += ".TP\n.B " + std::to_string(exit.code) + "\n" + Roff(Text(exit.textId)) + "\n";
    }
    return text;
}

std::string CompletionTables() {
    std::vector<std::string> globals = OptionNames(GlobalOptionDeclarations());
    for (const CliOption& option : GlobalOptionDeclarations()) {
        if (!option.hidden && !option.shortName.empty()) {
            globals.emplace_back(option.shortName);
        }
    }
    std::set<std::string> firstWords;
    for (const CliCommand& command : CliCommands()) {
        firstWords.insert(FirstWord(command.name));
    }
    std::string text = "_morvik_global_options=" + BashWords(globals) + "\n";
    text += "_morvik_commands=" +
            BashWords(std::vector<std::string>(firstWords.begin(), firstWords.end())) + "\n";

    // The words that may follow a group ("dlog", or "fleet dlog"): each word the commands under
    // it have next.
    std::map<std::string, std::vector<std::string>> groups;
    for (const CliCommand& command : CliCommands()) {
        const std::string name(command.name);
        for (size_t space = name.find(' '); space != std::string::npos;
             space = name.find(' ', space + 1)) {
            const size_t end = name.find(' ', space + 1);
            std::vector<std::string>& next = groups[name.substr(0, space)];
            const std::string word = name.substr(
                space + 1, end == std::string::npos ? std::string::npos : end - space - 1);
            if (std::find(next.begin(), next.end(), word) == next.end()) {
                next.push_back(word);
            }
        }
    }
    text += "_morvik_group_commands() {\n    case $1 in\n";
    for (const auto& [group, next] : groups) {
        text += "    \"" + group + "\") printf '%s\\n' " + BashWords(next) + " ;;\n";
    }
    text += "    esac\n}\n";

    // A command's options and the extension of its file.
    text += "_morvik_command_options() {\n    case $1 in\n";
    for (const CliCommand& command : CliCommands()) {
        text += "    \"" + std::string(command.name) + "\") printf '%s\\n' " +
                BashWords(OptionNames(command.options)) + " ;;\n";
    }
    text += "    esac\n}\n";
    text += "_morvik_command_extension() {\n    case $1 in\n";
    for (const CliCommand& command : CliCommands()) {
        if (!command.operands.empty()) {
            text += "    \"" + std::string(command.name) + "\") echo " +
                    std::string(command.operands.front().extension) + " ;;\n";
        }
    }
    text += "    esac\n}\n";

    // How the value of each option that takes one completes.
    std::set<std::string> seen;
    text += "_morvik_option_value() {\n    case $1 in\n";
    auto add = [&](const std::vector<CliOption>& options) {
        for (const CliOption& option : options) {
            if (option.hidden || option.value.empty() ||
                !seen.insert(std::string(option.name)).second) {
                continue;
            }
            text +=
                "    " + std::string(option.name) + ") echo '" + ValueCompletion(option) + "' ;;\n";
        }
    };
    add(GlobalOptionDeclarations());
    for (const CliCommand& command : CliCommands()) {
        add(command.options);
    }
    text += "    *) return 1 ;;\n    esac\n}\n";
    return text;
}

}  // namespace morvik::cli
