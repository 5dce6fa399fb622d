#include "cli/MiniSxCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "files/MiniSxSettingsFile.h"
#include "model/SoundSlots.h"
#include "model/Utf8Path.h"
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
    return FailedSession(session, Text(ids::kWriteCancelled));
}

}  // namespace

int ReadMiniSX(CTerminal& terminal, const std::string& path, int exitWarnings) {
    CMiniSXReadSession session(terminal, false);
    RunSession(session);
    terminal.Disconnect();
    if (!session.Loaded() || Interrupted()) {
        return FailedSession(session, Text(res::ids::kReadFailed));
    }
    std::string message;
    if (!SaveMiniSXSettingsFile(PathFromUtf8(path), session.Settings(), message)) {
        PrintError(ForScreen(message));
        return kExitFailure;
    }
    PrintAll(session.Warnings());
    PrintOut(FormatText(ids::kSavedTo, path));
    return session.Warnings().empty() ? kExitOk : exitWarnings;
}

bool LoadMiniSXForWrite(std::string_view fileText, MiniSXSettings& settings) {
    const MiniReadResult loaded = LoadMiniSXSettingsText(fileText, settings);
    if (loaded.Failed()) {
        PrintError(ForScreen(loaded.error));
        return false;
    }
    // What loading could not take as it stood; the window shows it before the values.
    PrintAll(loaded.warnings);
    std::vector<std::string> problems = ValidateMiniSXSettings(settings);
    for (std::string& problem : CheckMiniSXSounds(settings)) {
        problems.push_back(std::move(problem));
    }
    PrintAll(problems);
    return problems.empty();
}

int WriteMiniSX(CTerminal& terminal, const MiniSXSettings& settings, bool setClock) {
    CMiniSXWriteSession session(terminal, settings, setClock);
    RunSession(session, [&session] { session.UpdateUploadProgress(); });
    return EndWrite(terminal, session);
}

int QuickMiniSX(CTerminal& terminal, MiniSXQuickPlan plan, bool setClock) {
    CMiniSXEasyWriteSession session(terminal, std::move(plan), setClock);
    RunSession(session);
    return EndWrite(terminal, session);
}

}  // namespace morvik::cli
