#include "cli/CliQuickWrite.h"

#include <array>
#include <optional>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "cli/MiniFamilyCommands.h"
#include "cli/SlimCommands.h"
#include "files/Preferences.h"
#include "model/Cp932.h"
#include "model/FunctionPageFields.h"
#include "res/StringIds.h"
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
int WordIndex(const std::array<std::string_view, N>& words,
              const std::optional<std::string>& word) {
    for (std::size_t i = 0; i < N; ++i) {
        if (word && words[i] == *word) {
            return static_cast<int>(i);
        }
    }
    return 0;  // not given: the window's first choice (the parser has refused any other word)
}

QuickOptions OptionsOf(const CliArguments& args) {
    QuickOptions options;
    options.url = args.Value(kUrlOption);
    options.message = args.Value(kMessageOption);
    options.sound = WordIndex(kSoundWords, args.Value(kSoundOption));
    options.lamp = WordIndex(kLampWords, args.Value(kLampOption));
    options.setClock = !args.Has(kNoClockOption);
    return options;
}

template <std::size_t N>
std::vector<std::string_view> WordList(const std::array<std::string_view, N>& words) {
    return {words.begin(), words.end()};
}

// What the command writes, for the JSON object: the texts as given, the choices as words.
Json WrittenJson(const QuickOptions& options, const CliArguments& args, QuickWindow window) {
    auto text = [](const std::optional<std::string>& value) {
        return value ? Json(*value) : Json(nullptr);
    };
    Json written{{"url", text(options.url)},
                 {"message", text(options.message)},
                 {"sound", kSoundWords[static_cast<std::size_t>(options.sound)]},
                 {"lamp", kLampWords[static_cast<std::size_t>(options.lamp)]},
                 {"setClock", options.setClock}};
    if (window == QuickWindow::Service) {
        const SlimServiceOptions slim = SlimServiceOptionsOf(args);
        written["function"] = slim.function;
        written["torucaUrl"] = text(slim.torucaUrl);
        written["icon"] = text(slim.torucaIcon);
    }
    return written;
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
        plans.miniSx = BuildMiniSxQuickPlan(quick, ProgramFolder());
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

std::vector<CliOption> QuickWriteOptionDeclarations(QuickWindow window) {
    std::vector<CliOption> options = {
        {.name = kUrlOption, .value = "URL", .helpId = ids::kUrlHelp},
        {.name = kMessageOption, .value = "TEXT", .helpId = ids::kMessageHelp},
        {.name = kSoundOption,
         .value = "WORD",
         .helpId = ids::kSoundHelp,
         .words = WordList(kSoundWords)},
        {.name = kLampOption,
         .value = "WORD",
         .helpId = ids::kLampHelp,
         .words = WordList(kLampWords)},
        {.name = kNoClockOption, .helpId = ids::kNoClockHelp},
    };
    if (window == QuickWindow::Service) {
        for (CliOption& option : SlimServiceOptionDeclarations()) {
            options.push_back(std::move(option));
        }
    }
    return options;
}

int RunQuickWrite(CliContext& context, const CliArguments& args, QuickWindow window) {
    // The Slim service window's own choices; the options below are shared.
    const SlimServiceOptions slimOptions = SlimServiceOptionsOf(args);
    const QuickOptions options = OptionsOf(args);
    JsonResult()["written"] = WrittenJson(options, args, window);
    SetOutcome("refused");
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
        SetOutcome(Interrupted() ? "interrupted" : "failed");
        return Interrupted() ? ReportInterrupted() : kExitFailure;
    }
    switch (*code) {
        case kEditionMini:
            if (!plans.miniProblems.empty()) {
                return Refuse(terminal, *code, plans.miniProblems);
            }
            return QuickMiniFamily(terminal, std::move(plans.mini), options.setClock);
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
            return QuickMiniFamily(terminal, std::move(plans.miniSx), options.setClock);
        default:
            return NotThisEdition(terminal, *code);
    }
}

}  // namespace morvik::cli
