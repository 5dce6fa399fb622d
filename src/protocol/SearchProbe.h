#pragma once
// The port search's probe, the same for the desktop tool and the command-line tool: connect to
// one COM port quietly and try to open a session there. On a find the port is left open (the
// terminal in command mode); otherwise it is closed again.

#include <atomic>

#include "protocol/Terminal.h"

namespace morvik {

// The search's cancel request ends the probe's exchanges at their next poll, so that a port
// whose device never stops talking cannot hold the search after Cancel.
bool ProbePortForSearch(CTerminal& terminal, int port, const std::atomic<bool>& cancel);

}  // namespace morvik
