#include "cli/MiniSxCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliSettingsOutput.h"
#include "cli/CliStringIds.h"
#include "files/MiniSxSettingsFile.h"
#include "model/SoundSlots.h"
#include "res/StringIds.h"
#include "sessions/MiniSxEasyWriteSession.h"
#include "sessions/MiniSxReadSession.h"
#include "sessions/MiniSxWriteSession.h"

namespace morvik::cli {
namespace {

// Ends a write session the way the windows do: a failed or cancelled write leaves the terminal
// with "reboot s", then the port is closed and the outcome shown.
int EndWrite(CTerminal& terminal, const CSessionWorker& session) {
    EndMiniWrite(terminal, session);
    terminal.Disconnect();
    if (session.Completed()) {
        SetOutcome("written");
        PrintOut(Text(res::ids::kWriteDoneRebooted));
        return kExitOk;
    }
    return FailedSession(session, Text(ids::kWriteCancelled));
}

}  // namespace

int ReadMiniSX(CTerminal& terminal, const std::string& path) {
    CMiniSXReadSession session(terminal, false);
    RunSession(session);
    terminal.Disconnect();
    if (!session.Loaded() || Interrupted()) {
        return FailedSession(session, Text(res::ids::kReadFailed));
    }
    return DeliverSettings(path, MiniSXSettingsFileText(session.Settings()), session.Warnings(),
                           kExitWarnings);
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
