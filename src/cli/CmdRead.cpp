// morvik read FILE.dat: reads every setting of a terminal into a device settings file, as the
// detailed settings window reads the terminal and then saves with ファイルに保存.
//
// The edition the terminal reports decides which read runs; an edition without a read here gets
// message 386 and no file is written.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "cli/MiniSxCommands.h"
#include "cli/SlimCommands.h"
#include "files/SettingsFileMini.h"
#include "link/PartialFile.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "sessions/MiniReadSession.h"

namespace morvik::cli {
namespace {

// The read completed, but some values could not be taken as they were: the file holds what the
// window would show, and the warnings were printed.
constexpr int kExitWarnings = 3;

int ReadMini(CTerminal& terminal, const std::string& path) {
    CMiniReadSession session(terminal, false);
    RunSession(session);
    terminal.Disconnect();
    if (!session.Loaded() || Interrupted()) {
        return FailedSession(session, Text(res::ids::kReadFailed));
    }
    std::string message;
    if (!SaveMiniSettingsFile(PathFromUtf8(path), session.Settings(), message)) {
        PrintError(ForScreen(message));
        return kExitFailure;
    }
    for (const std::string& warning : session.Warnings()) {
        PrintError(ForScreen(warning));
    }
    PrintOut(FormatText(ids::kSavedTo, path));
    return session.Warnings().empty() ? kExitOk : kExitWarnings;
}

int RunRead(CliContext& context, std::vector<std::string>& args) {
    if (args.empty() || args.front().starts_with("-")) {
        PrintError(args.empty() ? Text(ids::kFileArgumentNeeded)
                                : FormatText(ids::kUnknownOption, args.front()));
        return kExitUsage;
    }
    const std::string path = args.front();
    args.erase(args.begin());
    if (!NoArgumentsLeft(args)) {
        return kExitUsage;
    }

    InterruptGuard interrupt;
    // A file that cannot be saved is refused before the terminal is reached at all.
    if (!PartialFile::CanCreate(path)) {
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
            return ReadMini(terminal, path);
        case kEditionSlim:
            return ReadSlim(terminal, path);
        case kEditionMiniSx:
            return ReadMiniSX(terminal, path, kExitWarnings);
        default:
            return NotThisEdition(terminal, *code);
    }
}

const CliCommandRegistration kRead({"read", ids::kReadSummary, ids::kReadHelp, RunRead});

}  // namespace
}  // namespace morvik::cli
