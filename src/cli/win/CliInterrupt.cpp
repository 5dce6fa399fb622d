#include "cli/CliInterrupt.h"

#include <windows.h>

#include <atomic>
#include <mutex>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

// Ctrl+C and Ctrl+Break reach a console program through its console control handler (on a thread
// of their own); the handler only sets the flag.

namespace morvik::cli {
namespace {

std::atomic<bool> interrupted{false};

// Guards nest (morvik fleet holds one while each terminal's command makes its own): only the
// outermost clears the flag and installs the handler.
std::mutex guardMutex;
int guardDepth = 0;

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        interrupted.store(true);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

InterruptGuard::InterruptGuard() {
    const std::lock_guard<std::mutex> lock(guardMutex);
    if (guardDepth++ > 0) {
        return;
    }
    interrupted.store(false);
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

InterruptGuard::~InterruptGuard() {
    const std::lock_guard<std::mutex> lock(guardMutex);
    if (--guardDepth > 0) {
        return;
    }
    ::SetConsoleCtrlHandler(OnConsoleControl, FALSE);
}

bool Interrupted() {
    return interrupted.load();
}

void RequestInterrupt() {
    interrupted.store(true);
}

int ReportInterrupted() {
    PrintError(Text(ids::kInterrupted));
    return kExitInterrupted;
}

}  // namespace morvik::cli
