#include "cli/CliQuickWrite.h"

#include <array>
#include <optional>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "cli/MiniSxCommands.h"
#include "cli/SlimCommands.h"
#include "files/Preferences.h"
#include "model/Cp932.h"
#include "model/FunctionPageFields.h"
#include "res/StringIds.h"
#include "sessions/MiniFamilyEasyWriteSession.h"
#include "sessions/MiniSxQuickWrite.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kUrlOption = "--url";
constexpr std::string_view kMessageOption = "--message";
constexpr std::string_view kSoundOption = "--sound";
constexpr std::string_view kLampOption = "--lamp";
constexpr std::string_view kNoClockOption = "--no-clock";

// The words of the choices, in the order of the windows' lists.
constexpr std::array<std::string_view, 3> kSoundWords = {"keep", "standard", "silent"};
constexpr std::array<std::string_view, 5> kLampWords = {"keep", "blue", "green", "rainbow", "off"};

struct QuickOptions {
    std::optional<std::string> url;      // UTF-8 as given
    std::optional<std::string> message;  // UTF-8 as given
    int sound = 0;                       // list index
    int lamp = 0;                        // list index
    bool setClock = true;                // the windows open with the clock box ticked
};

template <std::size_t N>
std::optional<int> WordIndex(const std::array<std::string_view, N>& words, std::string_view word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (words[i] == word) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

// Takes the options out of args; false, with the message printed, on a bad command line.
bool ParseOptions(const std::vector<std::string>& args, QuickOptions& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string option = args[i];
        std::optional<std::string> value;
        if (const std::size_t equals = option.find('=');
            option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        }
        if (option == kNoClockOption && !value) {
            options.setClock = false;
            continue;
        }
        if (option != kUrlOption && option != kMessageOption && option != kSoundOption &&
            option != kLampOption) {
            PrintError(FormatText(
                option.starts_with("-") ? ids::kUnknownOption : ids::kExtraArguments, args[i]));
            return false;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                PrintError(FormatText(ids::kOptionNeedsValue, option));
                return false;
            }
            value = args[++i];
        }
        std::optional<int> index = 0;
        if (option == kUrlOption) {
            options.url = *value;
        } else if (option == kMessageOption) {
            options.message = *value;
        } else if (option == kSoundOption) {
            index = WordIndex(kSoundWords, *value);
            options.sound = index.value_or(0);
        } else {
            index = WordIndex(kLampWords, *value);
            options.lamp = index.value_or(0);
        }
        if (!index) {
            PrintError(FormatText(ids::kBadOptionValue, option, *value));
            return false;
        }
    }
    return true;
}

// A text typed on the command line as the window's field would hold it: code page 932, line
// breaks as CR LF. Nothing when a character has no place in that code page.
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

// The settings of the window from the options: nothing, with the message printed, when a text
// cannot travel to a terminal.
std::optional<MiniQuickSettings> QuickSettings(const QuickOptions& options, QuickWindow window) {
    MiniQuickSettings quick;
    quick.window = window;
    quick.sound = SoundChoiceAt(options.sound);
    quick.lamp = LampPresetAt(options.lamp);
    if (window == QuickWindow::Service && (!options.url || !options.message)) {
        Preferences preferences;
        preferences.LoadServiceDefaults();
        quick.url = preferences.ServiceBrowserUrl();
        // The window's message field takes no more than its limit.
        quick.message = Cp932Prefix(preferences.ServiceBrowserMessage(),
                                    static_cast<std::size_t>(MiniQuickLimits(window).message));
    }
    const std::pair<const std::optional<std::string>&, std::string&> fields[] = {
        {options.url, quick.url}, {options.message, quick.message}};
    const std::string_view names[] = {kUrlOption, kMessageOption};
    for (std::size_t i = 0; i < 2; ++i) {
        if (!fields[i].first) {
            continue;
        }
        std::optional<std::string> text = FieldText(*fields[i].first);
        if (!text) {
            PrintError(FormatText(ids::kTextNotForTerminal, std::string(names[i])));
            return std::nullopt;
        }
        fields[i].second = std::move(*text);
    }
    return quick;
}

void PrintAll(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        PrintError(ForScreen(message));
    }
}

int QuickMini(CTerminal& terminal, MiniQuickPlan plan, bool setClock) {
    CMiniFamilyEasyWriteSession session(terminal, std::move(plan), setClock);
    RunSession(session);
    EndMiniWrite(terminal, session);
    terminal.Disconnect();
    if (session.Completed()) {
        PrintOut(Text(res::ids::kWriteDoneRebooted));
        return kExitOk;
    }
    return FailedSession(session, Text(ids::kWriteCancelled));
}

// What the options make of a write to each edition, worked out before any terminal is woken.
// problems: the messages that forbid the write to that edition (empty when it may go ahead).
struct QuickPlans {
    std::vector<std::string> miniProblems;
    MiniQuickPlan mini;
    std::vector<std::string> miniSxProblems;
    MiniQuickPlan miniSx;
    std::vector<std::string> slimProblems;  // UTF-8 (the service window only)
    std::optional<SlimEditorState> slim;
};

QuickPlans PlanQuickWrite(const MiniQuickSettings& quick) {
    QuickPlans plans;
    plans.miniProblems = ValidateMiniQuick(quick);
    plans.miniSxProblems = plans.miniProblems;
    if (plans.miniProblems.empty()) {
        plans.mini = BuildMiniQuickPlan(quick, ProgramFolder());
        if (!plans.mini.problem.empty()) {
            plans.miniProblems.push_back(plans.mini.problem);
        }
        plans.miniSx = BuildMiniSXQuickPlan(quick, ProgramFolder());
        if (!plans.miniSx.problem.empty()) {
            plans.miniSxProblems.push_back(plans.miniSx.problem);
        }
    }
    return plans;
}

// Leaves a terminal the write may not go to and prints why; the exit code.
int Refuse(CTerminal& terminal, EditionCode code, const std::vector<std::string>& cp932) {
    LeaveTerminal(terminal, code);
    PrintAll(cp932);
    return kExitFailure;
}

}  // namespace

int RunQuickWrite(CliContext& context, std::vector<std::string>& args, QuickWindow window) {
    // The Slim service window's own choices; the options below are shared.
    SlimServiceOptions slimOptions;
    if (window == QuickWindow::Service && !TakeSlimServiceOptions(args, slimOptions)) {
        return kExitUsage;
    }
    QuickOptions options;
    if (!ParseOptions(args, options)) {
        return kExitUsage;
    }
    const std::optional<MiniQuickSettings> quick = QuickSettings(options, window);
    if (!quick) {
        return kExitUsage;
    }

    // Input with faults sends nothing: the terminal is woken only when the write can go to at
    // least one edition the command writes. (Which one it will be is known only then; the limits
    // of the Slim service window differ from the Mini family's.)
    QuickPlans plans = PlanQuickWrite(*quick);
    bool anyEdition = plans.miniProblems.empty() || plans.miniSxProblems.empty();
    if (window == QuickWindow::Service) {
        std::string problem;
        bool usage = false;
        plans.slim = SlimServiceState(slimOptions, options.url, options.message, problem, usage);
        if (usage) {
            PrintError(problem);
            return kExitUsage;
        }
        if (!plans.slim) {
            plans.slimProblems.push_back(problem);
        }
        anyEdition = anyEdition || plans.slim.has_value();
    }
    if (!anyEdition) {
        PrintAll(plans.miniProblems.empty() ? plans.miniSxProblems : plans.miniProblems);
        for (const std::string& problem : plans.slimProblems) {
            PrintError(problem);
        }
        return kExitFailure;
    }

    InterruptGuard interrupt;
    CTerminal& terminal = context.Terminal();
    const std::optional<EditionCode> code = OpenForSettings(terminal);
    if (!code) {
        return Interrupted() ? ReportInterrupted() : kExitFailure;
    }
    switch (*code) {
        case kEditionMini:
            if (!plans.miniProblems.empty()) {
                return Refuse(terminal, *code, plans.miniProblems);
            }
            return QuickMini(terminal, std::move(plans.mini), options.setClock);
        case kEditionSlim:
            if (window != QuickWindow::Service) {
                return NotThisEdition(terminal, *code);
            }
            if (!plans.slim) {
                LeaveTerminal(terminal, *code);
                PrintError(plans.slimProblems.front());
                return kExitFailure;
            }
            return WriteSlim(terminal, *plans.slim);
        case kEditionMiniSx:
            if (!plans.miniSxProblems.empty()) {
                return Refuse(terminal, *code, plans.miniSxProblems);
            }
            return QuickMiniSX(terminal, std::move(plans.miniSx), options.setClock);
        default:
            return NotThisEdition(terminal, *code);
    }
}

}  // namespace morvik::cli
