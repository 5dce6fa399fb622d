#include "cli/CliHelp.h"

#include <algorithm>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "cli/TextTable.h"

namespace morvik::cli {
namespace {

constexpr size_t kCommandColumn = 12;

std::string PadTo(std::string text, size_t width) {
    const size_t shown = DisplayWidth(text);
    return shown >= width ? text : text + std::string(width - shown, ' ');
}

// Options as an indented two-column list: the option (and its value), then its help text. Help
// texts with line breaks continue under their first line.
std::string OptionList(const std::vector<CliOption>& options) {
    std::vector<std::pair<std::string, std::string>> rows;
    size_t width = 0;
    for (const CliOption& option : options) {
        if (option.hidden) {
            continue;
        }
        std::string left = OptionWithValue(option);
        if (!option.shortName.empty()) {
            left = std::string(option.shortName) + ", " + left;
        }
        width = std::max(width, DisplayWidth(left));
        rows.emplace_back(std::move(left), Text(option.helpId));
    }
    std::string text;
    for (auto& [left, help] : rows) {
        left = PadTo(left, width);
        const std::string indent(width + 4, ' ');
        std::string body;
        for (char c : help) {
            body += c;
            if (c == '\n') {
                body += indent;
            }
        }
        text += "  " + left + "  " + body + "\n";
    }
    return text;
}

std::string CommandRows(std::string_view prefix) {
    // The names line up after the longest of them ("fleet dlog get").
    size_t column = kCommandColumn;
    for (const CliCommand& command : CliCommands()) {
        column = std::max(column, DisplayWidth(command.name));
    }
    std::string text;
    for (const CliCommand& command : CliCommands()) {
        if (!command.name.starts_with(prefix)) {
            continue;
        }
        text +=
            "  " + PadTo(std::string(command.name), column) + "  " + Text(command.summaryId) + "\n";
    }
    return text;
}

}  // namespace

std::string OptionWithValue(const CliOption& option) {
    std::string text(option.name);
    if (!option.words.empty()) {
        text += " ";
        for (size_t i = 0; i < option.words.size(); ++i) {
            text += (i == 0 ? "" : "|") + std::string(option.words[i]);
        }
    } else if (!option.value.empty()) {
        text += " " + std::string(option.value);
    }
    return text;
}

std::string CommandSynopsis(const CliCommand& command) {
    std::string text(command.name);
    for (const CliOption& option : command.options) {
        if (!option.hidden) {
            text += " [" + OptionWithValue(option) + "]";
        }
    }
    for (const CliOperand& operand : command.operands) {
        text += " " + std::string(operand.name);
    }
    return text;
}

std::string ToolUsage() {
    return Text(ids::kToolUsage);
}

std::string ToolHelp() {
    std::string text = ToolUsage() + "\n\n" + Text(ids::kOptionsHeading) + "\n" +
                       OptionList(GlobalOptionDeclarations()) + "\n" + Text(ids::kToolNotes) +
                       "\n\n" + Text(ids::kCommandsHeading) + "\n" + CommandRows("") + "\n" +
                       Text(ids::kExitCodesHeading) + "\n";
    for (const ExitCodeText& exit : kExitCodes) {
        std::string code = std::to_string(exit.code);
        code.resize(4, ' ');
        text += "  " + code + Text(exit.textId) + "\n";
    }
    return text + "\n" + Text(ids::kCommandHelpHint);
}

std::string CommandHelp(const CliCommand& command) {
    std::string text = FormatText(ids::kCommandUsage, CommandSynopsis(command)) + "\n\n" +
                       Text(command.helpId) + "\n";
    if (std::any_of(command.options.begin(), command.options.end(),
                    [](const CliOption& option) { return !option.hidden; })) {
        text += "\n" + Text(ids::kOptionsHeading) + "\n" + OptionList(command.options);
    }
    return text;
}

std::string GroupCommands(std::string_view group) {
    return CommandRows(std::string(group) + " ");
}

}  // namespace morvik::cli
