#pragma once
// The Mini-family branches of the settings commands (Mini/MiniS and MiniSx alike). Each runs in a
// command session that the command has opened (OpenForSettings) with a terminal that reported
// the edition, and leaves the terminal and closes the port itself.

#include <string>

#include "model/MiniFamilyEdition.h"
#include "protocol/Terminal.h"
#include "sessions/MiniQuickWrite.h"

namespace morvik::cli {

// morvik read: the read session, then the settings file at path (CliSettingsOutput.h). Returns
// kExitOk, kExitWarnings when values were replaced or left out on reading (the file holds what
// the window would show, and the warnings were printed), or kExitFailure.
template <class Edition>
int ReadMiniFamily(CTerminal& terminal, const std::string& path);

// morvik write: settings that passed the file's verdict, to a terminal of the edition in an open
// session.
template <class Edition>
int WriteMiniFamily(CTerminal& terminal, const typename Edition::Settings& settings, bool setClock);

// morvik easy / service: the easy or service window's write of a plan built (and found sound)
// before the terminal was woken.
int QuickMiniFamily(CTerminal& terminal, MiniQuickPlan plan, bool setClock);

extern template int ReadMiniFamily<MiniEdition>(CTerminal&, const std::string&);
extern template int ReadMiniFamily<MiniSxEdition>(CTerminal&, const std::string&);
extern template int WriteMiniFamily<MiniEdition>(CTerminal&, const MiniSettings&, bool);
extern template int WriteMiniFamily<MiniSxEdition>(CTerminal&, const MiniSxSettings&, bool);

}  // namespace morvik::cli
