// morvik write FILE.dat [--set-clock]: writes a device settings file to a terminal, as the
// detailed settings window does after loading the file: every message of the window's check is
// shown at once and nothing is sent while there is any; otherwise everything is written
// (the sounds too when the file registers them) and the terminal restarts.
//
// The edition the terminal reports decides which write runs, and the file must be one of that
// edition's; otherwise message 386 and nothing is written.

#include <algorithm>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "cli/MiniSxCommands.h"
#include "cli/SlimCommands.h"
#include "files/SettingsFile.h"
#include "files/SettingsFileMini.h"
#include "res/StringIds.h"
#include "sessions/MiniWriteSession.h"

namespace morvik::cli {
namespace {

void PrintAll(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        PrintError(ForScreen(message));
    }
}

// Shows how a write session ended; the exit code.
int WriteOutcome(const CSessionWorker& session) {
    if (session.Completed()) {
        PrintOut(Text(res::ids::kWriteDoneRebooted));
        return kExitOk;
    }
    const std::string& text = session.ErrorText();
    PrintError(text.empty() ? Text(ids::kWriteCancelled) : ForScreen(text));
    return kExitFailure;
}

int WriteMini(CTerminal& terminal, const std::string& fileText, bool setClock) {
    MiniSettings settings;
    const MiniReadResult loaded = LoadMiniSettingsText(fileText, settings);
    if (loaded.Failed()) {
        LeaveTerminal(terminal, kEditionMini);
        PrintError(ForScreen(loaded.error));
        return kExitFailure;
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
    if (!problems.empty()) {
        LeaveTerminal(terminal, kEditionMini);
        PrintAll(problems);
        return kExitFailure;
    }

    CMiniWriteSession session(terminal, settings, setClock);
    RunSession(session, [&session] { session.UpdateUploadProgress(); });
    EndMiniWrite(terminal, session);
    terminal.Disconnect();
    return WriteOutcome(session);
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

    const SettingsFileText file = ReadSettingsFileText(path, kMiniFamilySettingsFileMaxSize);
    if (!file.ok) {
        PrintError(ForScreen(file.message));
        return kExitFailure;
    }
    const SettingsFileEdition fileEdition = DetectSettingsFileEdition(file.text);
    if (fileEdition == SettingsFileEdition::Unknown) {
        PrintError(Text(res::ids::kSettingsFileInvalid));
        return kExitFailure;
    }

    CTerminal& terminal = context.Terminal();
    const std::optional<EditionCode> code = OpenForSettings(terminal);
    if (!code) {
        return kExitFailure;
    }
    if (*code == kEditionMini && fileEdition == SettingsFileEdition::Mini) {
        return WriteMini(terminal, file.text, setClock);
    }
    if (*code == kEditionSlim && fileEdition == SettingsFileEdition::Slim) {
        return WriteSlim(terminal, path);
    }
    if (*code == kEditionMiniSx && fileEdition == SettingsFileEdition::MiniSx) {
        return WriteMiniSX(terminal, file.text, setClock);
    }
    return NotThisEdition(terminal, *code);
}

const CliCommandRegistration kWrite({"write", ids::kWriteSummary, ids::kWriteHelp, RunWrite});

}  // namespace
}  // namespace morvik::cli
