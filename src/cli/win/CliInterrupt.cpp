#include "cli/CliInterrupt.h"

#include <windows.h>

#include <atomic>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

// Ctrl+C and Ctrl+Break reach a console program through its console control handler (on a thread
// of their own); the handler only sets the flag.

namespace morvik::cli {
namespace {

std::atomic<bool> interrupted{false};

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        interrupted.store(true);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

InterruptGuard::InterruptGuard() {
    interrupted.store(false);
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

InterruptGuard::~InterruptGuard() {
    ::SetConsoleCtrlHandler(OnConsoleControl, FALSE);
}

bool Interrupted() {
    return interrupted.load();
}

int ReportInterrupted() {
    PrintError(Text(ids::kInterrupted));
    return kExitInterrupted;
}

}  // namespace morvik::cli
