#include "cli/MiniSxCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "files/MiniSxSettingsFile.h"
#include "model/SoundSlots.h"
#include "res/StringIds.h"
#include "sessions/MiniSxEasyWriteSession.h"
#include "sessions/MiniSxReadSession.h"
#include "sessions/MiniSxWriteSession.h"

namespace morvik::cli {
namespace {

void PrintAll(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        PrintError(ForScreen(message));
    }
}

// Ends a write session the way the windows do: a failed or cancelled write leaves the terminal
// with "reboot s", then the port is closed and the outcome shown.
int EndWrite(CTerminal& terminal, const CSessionWorker& session) {
    EndMiniWrite(terminal, session);
    terminal.Disconnect();
    if (session.Completed()) {
        PrintOut(Text(res::ids::kWriteDoneRebooted));
        return kExitOk;
    }
    const std::string& text = session.ErrorText();
    PrintError(text.empty() ? Text(ids::kWriteCancelled) : ForScreen(text));
    return kExitFailure;
}

// Refuses to write: the terminal is left as it was and the messages are printed.
int Refuse(CTerminal& terminal, const std::vector<std::string>& messages) {
    LeaveTerminal(terminal, kEditionMiniSx);
    PrintAll(messages);
    return kExitFailure;
}

}  // namespace

int ReadMiniSX(CTerminal& terminal, const std::string& path, int exitWarnings) {
    CMiniSXReadSession session(terminal, false);
    RunSession(session);
    terminal.Disconnect();
    if (!session.Loaded()) {
        const std::string& text = session.ErrorText();
        PrintError(text.empty() ? Text(res::ids::kReadFailed) : ForScreen(text));
        return kExitFailure;
    }
    std::string message;
    if (!SaveMiniSXSettingsFile(path, session.Settings(), message)) {
        PrintError(ForScreen(message));
        return kExitFailure;
    }
    PrintAll(session.Warnings());
    PrintOut(FormatText(ids::kSavedTo, path));
    return session.Warnings().empty() ? kExitOk : exitWarnings;
}

int WriteMiniSX(CTerminal& terminal, std::string_view fileText, bool setClock) {
    MiniSXSettings settings;
    const MiniReadResult loaded = LoadMiniSXSettingsText(fileText, settings);
    if (loaded.Failed()) {
        return Refuse(terminal, {loaded.error});
    }
    // What loading could not take as it stood; the window shows it before the values.
    PrintAll(loaded.warnings);
    std::vector<std::string> problems = ValidateMiniSXSettings(settings);
    for (std::string& problem : CheckMiniSXSounds(settings)) {
        problems.push_back(std::move(problem));
    }
    if (!problems.empty()) {
        return Refuse(terminal, problems);
    }
    CMiniSXWriteSession session(terminal, settings, setClock);
    RunSession(session, [&session] { session.UpdateUploadProgress(); });
    return EndWrite(terminal, session);
}

int QuickMiniSX(CTerminal& terminal, const MiniQuickSettings& quick, bool setClock) {
    const std::vector<std::string> problems = ValidateMiniQuick(quick);
    if (!problems.empty()) {
        return Refuse(terminal, problems);
    }
    MiniSXQuickPlan plan = BuildMiniSXQuickPlan(quick, ProgramFolder());
    if (!plan.problem.empty()) {
        return Refuse(terminal, {plan.problem});
    }
    CMiniSXEasyWriteSession session(terminal, std::move(plan), setClock);
    RunSession(session);
    return EndWrite(terminal, session);
}

}  // namespace morvik::cli
