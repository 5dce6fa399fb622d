#include "cli/MiniFamilyCommands.h"

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliSettingsOutput.h"
#include "cli/CliStringIds.h"
#include "files/MiniFamilySettingsFile.h"
#include "res/StringIds.h"
#include "sessions/MiniFamilyEasyWriteSession.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"

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

template <class Edition>
int ReadMiniFamily(CTerminal& terminal, const std::string& path) {
    CMiniFamilyReadSession<Edition> session(terminal, false);
    RunSession(session);
    terminal.Disconnect();
    if (!session.Loaded() || Interrupted()) {
        return FailedSession(session, Text(res::ids::kReadFailed));
    }
    return DeliverSettings(path, MiniFamilySettingsFile<Edition>::Text(session.Settings()),
                           session.Warnings(), kExitWarnings);
}

template <class Edition>
int WriteMiniFamily(CTerminal& terminal, const typename Edition::Settings& settings,
                    bool setClock) {
    CMiniFamilyWriteSession<Edition> session(terminal, settings, setClock);
    RunSession(session, [&session] { session.UpdateUploadProgress(); });
    return EndWrite(terminal, session);
}

int QuickMiniFamily(CTerminal& terminal, MiniQuickPlan plan, bool setClock) {
    CMiniFamilyEasyWriteSession session(terminal, std::move(plan), setClock);
    RunSession(session);
    return EndWrite(terminal, session);
}

template int ReadMiniFamily<MiniEdition>(CTerminal&, const std::string&);
template int ReadMiniFamily<MiniSxEdition>(CTerminal&, const std::string&);
template int WriteMiniFamily<MiniEdition>(CTerminal&, const MiniSettings&, bool);
template int WriteMiniFamily<MiniSxEdition>(CTerminal&, const MiniSxSettings&, bool);

}  // namespace morvik::cli
