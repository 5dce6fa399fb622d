#include "cli/SlimCommands.h"

#include <algorithm>

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliSettingsOutput.h"
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

std::vector<CliOption> SlimServiceOptionDeclarations() {
    return {
        {.name = kFunctionOption, .value = "N", .helpId = ids::kFunctionHelp, .words = {"1", "2"}},
        {.name = kTorucaUrlOption, .value = "URL", .helpId = ids::kTorucaUrlHelp},
        {.name = kIconOption, .value = "HEX", .helpId = ids::kIconHelp}};
}

SlimServiceOptions SlimServiceOptionsOf(const CliArguments& args) {
    SlimServiceOptions options;
    options.function = args.Value(kFunctionOption) == "2" ? 2 : 1;
    options.torucaUrl = args.Value(kTorucaUrlOption);
    options.torucaIcon = args.Value(kIconOption);
    return options;
}

int ReadSlim(CTerminal& terminal, const std::string& path) {
    CSlimReadSession session(terminal);
    RunSession(session);
    LeaveTerminal(terminal, kEditionSlim);
    if (!session.Loaded() || Interrupted()) {
        return FailedSession(session, Text(rids::kSettingsFileInvalid));
    }
    // A read with warnings holds each of them followed by CR LF as its error text.
    std::vector<std::string> warnings;
    if (session.WarningsOnly()) {
        const std::string& text = session.ErrorText();
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find("\r\n", start);
            end = end == std::string::npos ? text.size() : end;
            warnings.push_back(text.substr(start, end - start));
            start = end + 2;
        }
    }
    const SlimEditorState& state = session.State();
    return DeliverSettings(path, SlimSettingsFileText(BuildSlimSettings(state), state.function),
                           warnings, kExitWarnings);
}

int WriteSlim(CTerminal& terminal, const SlimEditorState& state) {
    CSlimWriteSession session(terminal, state);
    RunSession(session);
    LeaveTerminal(terminal, kEditionSlim);
    if (!session.Completed()) {
        return FailedSession(session, Text(rids::kSettingsFileInvalid));
    }
    SetOutcome("written");
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

}  // namespace morvik::cli
