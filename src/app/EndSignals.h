#pragma once
// Ending the desktop tool from outside. SIGTERM, SIGINT and SIGHUP (a session that logs out, a
// kill, Ctrl+C in the terminal it was started from) are handed to the user-interface thread, each
// one of them for as long as the program runs, where CEndOfRun ends the run. On Windows, Qt
// already turns the session's end into a close.

#include <functional>

namespace morvik {

// Installs the handling (once per process; it needs the QApplication). From then on every end
// signal calls onEnd on the user-interface thread; a later call replaces onEnd, and an empty one
// leaves the signals without effect.
void OnEndSignals(std::function<void()> onEnd);

}  // namespace morvik
