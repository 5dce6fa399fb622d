#pragma once
// termios plumbing for CSerialCommAPI. A USB serial adapter and a pseudo-terminal both arrive
// here as a tty file descriptor; a pty silently ignores (or refuses) what it has no hardware for
// (speed, RTS, flow control), so nothing in here may depend on those settings sticking.

#include <termios.h>

#include <cstdint>

#include "link/SerialCommAPI.h"

namespace morvik::posix {

// A port's line settings as it had them before this program changed them, put back at close:
// a shell's own terminal or another program's port must not be left raw at 115200 with RTS up.
struct SavedLine {
    termios settings{};
    int modemLines = 0;
    bool haveModemLines = false;
};

// Reads what Restore puts back. False when fd is not a terminal.
bool SaveLine(int fd, SavedLine& saved);
// Puts the saved settings and the RTS line back.
void RestoreLine(int fd, const SavedLine& saved);

// True when fd is the calling program's controlling terminal (the shell it was started from):
// never a port to talk to a terminal on.
bool IsControllingTerminal(int fd);

// Puts the tty into raw mode (no echo, no line editing, no translation of CR/LF, reads return at
// once) with the receiver on and modem lines ignored. False only when even that fails.
bool MakeRaw(int fd);

// Reads the port's current settings into a copy of base. Fields a POSIX tty does not have
// (DSR flow, DSR sensitivity, abort-on-error) keep the values of base.
LineSettings ReadLineSettings(int fd, const LineSettings& base);

// Applies the settings. A speed the platform cannot express fails; a pty that ignores speed,
// RTS or flow control does not.
bool ApplyLineSettings(int fd, const LineSettings& settings);

// Waits until fd has bytes to read. Returns 1 when readable, 0 on time-out, -1 when the line is
// gone (hang-up, error). timeoutMs < 0 waits without limit.
int WaitReadable(int fd, int64_t timeoutMs);

// Waits until fd can take more bytes; same results as WaitReadable.
int WaitWritable(int fd, int64_t timeoutMs);

}  // namespace morvik::posix
