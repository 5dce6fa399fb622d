#pragma once
// Ctrl+C (SIGINT) and SIGTERM during a long command (read, write, easy, service, firmware, maint,
// dlog get). Killing the program there would leave the terminal in command mode or in the middle
// of a transfer, and a partial file beside the target. Instead the signal only sets a flag: the
// command cancels its worker, lets it end the transfer and leave the terminal as a failed session
// does, removes what it had begun to write, prints the cancelled text and exits 130.
//
//   InterruptGuard interrupt;                 // at the start of the command
//   ...  if (Interrupted()) worker.RequestCancel();
//   if (Interrupted()) return ReportInterrupted();

#include "cli/CliExitCodes.h"

namespace morvik::cli {

// Catches SIGINT and SIGTERM for its lifetime; the previous handling is restored afterwards.
class InterruptGuard {
  public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;
};

// True once SIGINT or SIGTERM arrived while a guard was in place, or RequestInterrupt was called.
bool Interrupted();

// What Ctrl+C does, asked for by a program: the desktop tool's 中止 of a run on many terminals.
// Takes effect while a guard is in place (the next outermost guard clears it).
void RequestInterrupt();

// Prints the cancelled text; returns kExitInterrupted.
int ReportInterrupted();

}  // namespace morvik::cli
