// morvik write FILE.dat [--set-clock]: writes a device settings file to a terminal, as the
// detailed settings window does after loading the file: every message of the window's check is
// shown at once and nothing is sent while there is any (the file is checked, by the edition its
// header names, before the terminal is woken); otherwise everything is written (the sounds too
// when the file registers them) and the terminal restarts.
//
// The file's edition decides which write runs; a terminal of another edition is refused by the
// write session with message 386 and nothing is written.

#include <algorithm>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "cli/MiniSxCommands.h"
#include "cli/SlimCommands.h"
#include "files/MiniSxSettingsFile.h"
#include "files/SettingsFile.h"
#include "files/SettingsFileMini.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "sessions/MiniWriteSession.h"

namespace morvik::cli {
namespace {

void PrintAll(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        PrintError(ForScreen(message));
    }
}

// Loads fileText as the detailed window loads a file and runs the window's check: every message
// is printed at once and false returned while there is any. Nothing is sent meanwhile.
bool LoadMiniForWrite(const std::string& fileText, MiniSettings& settings) {
    const MiniReadResult loaded = LoadMiniSettingsText(fileText, settings);
    if (loaded.Failed()) {
        PrintError(ForScreen(loaded.error));
        return false;
    }
    std::vector<std::string> problems = ValidateMiniSettings(settings);
    for (std::string& problem : CheckMiniSounds(settings)) {
        problems.push_back(std::move(problem));
    }
    // What loading could not take as it stood, except what the check before the write says
    // again (a record's faults are found by both): each message is shown once.
    std::vector<std::string> warnings = loaded.warnings;
    for (const std::string& problem : problems) {
        if (auto same = std::find(warnings.begin(), warnings.end(), problem);
            same != warnings.end()) {
            warnings.erase(same);
        }
    }
    PrintAll(warnings);
    PrintAll(problems);
    return problems.empty();
}

int WriteMini(CTerminal& terminal, const MiniSettings& settings, bool setClock) {
    CMiniWriteSession session(terminal, settings, setClock);
    RunSession(session, [&session] { session.UpdateUploadProgress(); });
    EndMiniWrite(terminal, session);
    terminal.Disconnect();
    if (session.Completed()) {
        PrintOut(Text(res::ids::kWriteDoneRebooted));
        return kExitOk;
    }
    return FailedSession(session, Text(ids::kWriteCancelled));
}

int RunWrite(CliContext& context, std::vector<std::string>& args) {
    const bool setClock = TakeFlag(args, "--set-clock");
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

    const SettingsFileText file =
        ReadSettingsFileText(PathFromUtf8(path), kMiniFamilySettingsFileMaxSize);
    if (!file.ok) {
        PrintError(ForScreen(file.message));
        return kExitFailure;
    }
    const SettingsFileEdition fileEdition = DetectSettingsFileEdition(file.text);
    if (fileEdition == SettingsFileEdition::Unknown) {
        PrintError(Text(res::ids::kSettingsFileInvalid));
        return kExitFailure;
    }

    // The file is checked before the terminal is woken: a file with faults sends nothing.
    MiniSettings mini;
    MiniSXSettings miniSx;
    std::optional<SlimEditorState> slim;
    switch (fileEdition) {
        case SettingsFileEdition::Mini:
            if (!LoadMiniForWrite(file.text, mini)) {
                return kExitFailure;
            }
            break;
        case SettingsFileEdition::MiniSx:
            if (!LoadMiniSXForWrite(file.text, miniSx)) {
                return kExitFailure;
            }
            break;
        default:
            slim = LoadSlimForWrite(path);
            if (!slim) {
                return kExitFailure;
            }
            break;
    }

    // The file's edition decides the write; its session identifies the terminal first and
    // refuses one of another edition (386) before anything is written.
    InterruptGuard interrupt;
    CTerminal& terminal = context.Terminal();
    const EditionCode edition = fileEdition == SettingsFileEdition::Mini     ? kEditionMini
                                : fileEdition == SettingsFileEdition::MiniSx ? kEditionMiniSx
                                                                             : kEditionSlim;
    if (!OpenForWriting(terminal, edition)) {
        return Interrupted() ? ReportInterrupted() : kExitFailure;
    }
    switch (fileEdition) {
        case SettingsFileEdition::Mini:
            return WriteMini(terminal, mini, setClock);
        case SettingsFileEdition::MiniSx:
            return WriteMiniSX(terminal, miniSx, setClock);
        default:
            return WriteSlim(terminal, *slim);
    }
}

const CliCommandRegistration kWrite({"write", ids::kWriteSummary, ids::kWriteHelp, RunWrite});

}  // namespace
}  // namespace morvik::cli
