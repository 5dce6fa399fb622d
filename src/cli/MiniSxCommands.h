#pragma once
// The MiniSx branches of the settings commands. Each runs in a command session that the command
// has opened (OpenForSettings) with a terminal that reported the MiniSx edition, and leaves the
// terminal and closes the port itself, as the Mini branches do.

#include <string>
#include <string_view>

#include "model/MiniSxSettings.h"
#include "protocol/Terminal.h"
#include "sessions/MiniQuickWrite.h"
#include "sessions/MiniSxQuickWrite.h"

namespace morvik::cli {

// morvik read: the read session, then the settings file at path (CliSettingsOutput.h). Returns
// kExitOk, kExitWarnings when values were replaced or left out on reading (the file holds what
// the window would show, and the warnings were printed), or kExitFailure.
int ReadMiniSX(CTerminal& terminal, const std::string& path);

// morvik write: settings that passed the file's verdict, to a MiniSx in an open session.
int WriteMiniSX(CTerminal& terminal, const MiniSXSettings& settings, bool setClock);

// morvik easy / service: the MiniSx easy or service window's write of a plan built (and found
// sound) before the terminal was woken.
int QuickMiniSX(CTerminal& terminal, MiniSXQuickPlan plan, bool setClock);

}  // namespace morvik::cli
