#pragma once
// Ending the desktop tool from outside. SIGTERM, SIGINT and SIGHUP (a session that logs out, a
// kill) end the run as closing the main window does, so that the single-instance lock and socket
// are removed on the way out. On Windows, Qt already turns the session's end into a close.

namespace morvik {

// Installs the handling for the rest of the run; needs the QApplication.
void QuitOnEndSignals();

}  // namespace morvik
