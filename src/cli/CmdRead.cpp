// morvik read FILE.dat: reads every setting of a terminal into a device settings file, as the
// detailed settings window reads the terminal and then saves with ファイルに保存. "-" puts the
// file on standard output instead; --json puts the settings into the JSON object.
//
// The edition the terminal reports decides which read runs; an edition without a read here gets
// message 386 and no file is written.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliSettingsOutput.h"
#include "cli/CliStringIds.h"
#include "cli/MiniFamilyCommands.h"
#include "cli/SlimCommands.h"
#include "link/PartialFile.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

int RunRead(CliContext& context, const CliArguments& args) {
    const std::string& path = args.Operand(0);
    InterruptGuard interrupt;
    // A file that cannot be saved is refused before the terminal is reached at all.
    if (path != kStandardOutput && !PartialFile::CanCreate(path)) {
        context.Reporter().ShowError(res::TextCp932(res::ids::kFileOpenFailed));
        return kExitFailure;
    }
    CTerminal& terminal = context.Terminal();
    const std::optional<EditionCode> code = OpenForSettings(terminal);
    if (!code) {
        return Interrupted() ? ReportInterrupted() : kExitFailure;
    }
    switch (*code) {
        case kEditionMini:
            return ReadMiniFamily<MiniEdition>(terminal, path);
        case kEditionSlim:
            return ReadSlim(terminal, path);
        case kEditionMiniSx:
            return ReadMiniFamily<MiniSxEdition>(terminal, path);
        default:
            return NotThisEdition(terminal, *code);
    }
}

const CliCommandRegistration kRead({.name = "read",
                                    .summaryId = ids::kReadSummary,
                                    .helpId = ids::kReadHelp,
                                    .operands = {{.name = "FILE.dat", .extension = "dat"}},
                                    .run = RunRead});

}  // namespace
}  // namespace morvik::cli
