// morvik write FILE.dat [--set-clock]: writes a device settings file to a terminal, as the
// settings window of its edition does after loading the file. The file is judged as `check`
// judges it (SettingsVerdict.h) before the terminal is woken: while there is any message, every
// one is printed and nothing at all is sent. Otherwise everything is written (the sounds too when
// the file registers them) and the terminal restarts.
//
// The edition the terminal reports decides which write runs, and the file must be one of that
// edition's; otherwise message 386 and nothing is written.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "cli/MiniFamilyCommands.h"
#include "cli/SettingsVerdict.h"
#include "cli/SlimCommands.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kSetClock = "--set-clock";

int RunWrite(CliContext& context, const CliArguments& args) {
    const bool setClock = args.Has(kSetClock);
    const std::string& path = args.Operand(0);
    const SettingsVerdict verdict = JudgeSettingsFile(path);
    const std::string edition = EditionName(verdict.edition);
    JsonResult()["written"] = Json{{"file", path},
                                   {"edition", edition.empty() ? Json(nullptr) : Json(edition)},
                                   {"setClock", setClock}};
    SetOutcome("refused");
    if (verdict.unreadable) {
        PrintError(ForScreen(*verdict.unreadable));
        return kExitFailure;
    }
    if (!verdict.Writable()) {
        for (const std::string& message : verdict.messages) {
            PrintError(ForScreen(message));
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
    if (*code == kEditionMini && verdict.edition == SettingsFileEdition::Mini) {
        return WriteMiniFamily<MiniEdition>(terminal, verdict.mini, setClock);
    }
    if (*code == kEditionSlim && verdict.edition == SettingsFileEdition::Slim) {
        return WriteSlim(terminal, verdict.slim);
    }
    if (*code == kEditionMiniSx && verdict.edition == SettingsFileEdition::MiniSx) {
        return WriteMiniFamily<MiniSxEdition>(terminal, verdict.miniSx, setClock);
    }
    return NotThisEdition(terminal, *code);
}

const CliCommandRegistration kWrite({.name = "write",
                                     .summaryId = ids::kWriteSummary,
                                     .helpId = ids::kWriteHelp,
                                     .operands = {{.name = "FILE.dat", .extension = "dat"}},
                                     .options = {{.name = kSetClock, .helpId = ids::kSetClockHelp}},
                                     .run = RunWrite});

}  // namespace
}  // namespace morvik::cli
