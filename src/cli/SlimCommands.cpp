#include "cli/SlimCommands.h"

#include <algorithm>

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "files/Preferences.h"
#include "files/SlimSettingsFile.h"
#include "model/Cp932.h"
#include "model/Escape.h"
#include "model/SlimValidation.h"
#include "res/StringIds.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"

namespace morvik::cli {
namespace {

namespace rids = res::ids;

constexpr std::string_view kFunctionOption = "--function";
constexpr std::string_view kTorucaUrlOption = "--toruca-url";
constexpr std::string_view kIconOption = "--icon";

// The read completed, but some values could not be taken as they stood: the file holds what the
// window shows, and the warnings were printed (the same code as the Mini family's read).
constexpr int kExitReadWarnings = 3;

// A session's error text, or 914 for a failure that has none (a file refused as a whole).
std::string FailureText(const CSessionWorker& session) {
    const std::string& text = session.ErrorText();
    return text.empty() ? Text(rids::kSettingsFileInvalid) : ForScreen(text);
}

// A text typed on the command line as the window's field holds it: code page 932 with CR LF
// line breaks; nothing when a character has no place in that code page.
std::optional<std::string> FieldText(const std::string& utf8) {
    std::string lines;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
            continue;
        }
        lines += utf8[i] == '\n' ? std::string("\r\n") : std::string(1, utf8[i]);
    }
    return Utf8ToCp932(lines);
}

}  // namespace

bool TakeSlimServiceOptions(std::vector<std::string>& args, SlimServiceOptions& options) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const std::size_t equals = option.find('=');
            option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option != kFunctionOption && option != kTorucaUrlOption && option != kIconOption) {
            rest.push_back(args[i]);
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                PrintError(FormatText(ids::kOptionNeedsValue, option));
                return false;
            }
            value = args[++i];
        }
        if (option == kFunctionOption) {
            if (*value != "1" && *value != "2") {
                PrintError(FormatText(ids::kBadOptionValue, option, *value));
                return false;
            }
            options.function = *value == "1" ? 1 : 2;
        } else if (option == kTorucaUrlOption) {
            options.torucaUrl = *value;
        } else {
            options.torucaIcon = *value;
        }
    }
    args = std::move(rest);
    return true;
}

int ReadSlim(CTerminal& terminal, const std::string& path) {
    CSlimReadSession session(terminal);
    RunSession(session);
    LeaveTerminal(terminal, kEditionSlim);
    if (!session.Loaded() || Interrupted()) {
        return FailedSession(session, Text(rids::kSettingsFileInvalid));
    }
    if (!SaveSlimSettingsFile(path, session.State())) {
        PrintError(Text(rids::kFileOpenFailed));
        return kExitFailure;
    }
    if (session.WarningsOnly()) {
        PrintError(ForScreen(session.ErrorText()));
    }
    PrintOut(FormatText(ids::kSavedTo, path));
    return session.WarningsOnly() ? kExitReadWarnings : kExitOk;
}

std::optional<SlimEditorState> LoadSlimForWrite(const std::string& path) {
    // The file is loaded as the settings window loads it: any value that fails its check
    // refuses the whole file.
    CSlimReadSession file(path);
    file.RunHere();
    if (!file.Loaded()) {
        PrintError(FailureText(file));
        return std::nullopt;
    }
    if (const std::optional<std::string> problem = ValidateSlimEditorState(file.State())) {
        PrintError(ForScreen(*problem));
        return std::nullopt;
    }
    return file.State();
}

int WriteSlim(CTerminal& terminal, const SlimEditorState& state) {
    CSlimWriteSession session(terminal, state);
    RunSession(session);
    if (session.TerminalRefused()) {
        // Another edition, left as after a read already; nothing was written.
        terminal.Disconnect();
    } else {
        LeaveTerminal(terminal, kEditionSlim);
    }
    if (!session.Completed()) {
        return FailedSession(session, Text(rids::kSettingsFileInvalid));
    }
    PrintOut(Text(rids::kWriteDoneRestart));
    return kExitOk;
}

std::optional<SlimEditorState> SlimServiceState(const SlimServiceOptions& options,
                                                const std::optional<std::string>& url,
                                                const std::optional<std::string>& message,
                                                std::string& problem, bool& usage) {
    Preferences preferences;
    preferences.LoadServiceDefaults();

    SlimEditorState state;
    state.function = options.function == 2 ? SlimFunction::TorucaBrowser : SlimFunction::Browser;
    state.browser.url = preferences.ServiceBrowserUrl();
    // The preferences keep the message as it travels; the window shows it unescaped.
    state.browser.message = Unescape(preferences.ServiceBrowserMessage());
    state.toruca.detailUrl = preferences.ServiceTorucaUrl();
    state.toruca.categoryIcon = preferences.ServiceTorucaIcon();
    // The service window appends an encrypted query to both records and switches every
    // behaviour on; it has no mailer.
    state.browserQuery = true;
    state.torucaQuery = true;
    state.encryptQuery = true;
    state.behaviour = SlimBehaviour{};

    const std::pair<const std::optional<std::string>&, std::string&> fields[] = {
        {url, state.browser.url},
        {message, state.browser.message},
        {options.torucaUrl, state.toruca.detailUrl},
        {options.torucaIcon, state.toruca.categoryIcon}};
    const std::string_view names[] = {"--url", "--message", kTorucaUrlOption, kIconOption};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (!fields[i].first) {
            continue;
        }
        std::optional<std::string> text = FieldText(*fields[i].first);
        if (!text) {
            problem = FormatText(ids::kTextNotForTerminal, std::string(names[i]));
            usage = true;
            return std::nullopt;
        }
        fields[i].second = std::move(*text);
    }
    if (const std::optional<std::string> invalid = ValidateSlimEditorState(state)) {
        problem = ForScreen(*invalid);
        usage = false;
        return std::nullopt;
    }
    return state;
}

int CheckSlim(std::string_view text) {
    if (!HasSlimHeader(text)) {
        PrintOut(Text(rids::kSettingsFileInvalid));
        return kExitFailure;
    }
    const std::optional<SlimDecoded> decoded = DecodeSlimRead(SlimFileValues(text));
    if (!decoded) {
        PrintOut(Text(rids::kReadFailed));
        return kExitFailure;
    }
    std::vector<std::string> messages = decoded->messages;
    // The window's checks before a write stop at their first failure; a fault that loading
    // reported already is not repeated.
    if (const std::optional<std::string> problem = ValidateSlimEditorState(decoded->state)) {
        if (std::find(messages.begin(), messages.end(), *problem) == messages.end()) {
            messages.push_back(*problem);
        }
    }
    for (const std::string& message : messages) {
        PrintOut(ForScreen(message));
    }
    return messages.empty() ? kExitOk : kExitFailure;
}

}  // namespace morvik::cli
