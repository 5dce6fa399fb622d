#include "cli/CliInterrupt.h"

#include <atomic>
#include <csignal>
#include <mutex>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

struct sigaction previousInt {};
struct sigaction previousTerm {};

// Guards nest: morvik fleet holds one for the whole run while every terminal's command, on its
// own thread, makes its own. Only the outermost one clears the flag and installs the handler, so
// that a command starting late does not forget an interrupt that has already come, and the
// handling is given back once, in the right order.
std::mutex guardMutex;
int guardDepth = 0;

void OnSignal(int) {
    interrupted.store(true);
}

}  // namespace

InterruptGuard::InterruptGuard() {
    const std::lock_guard<std::mutex> lock(guardMutex);
    if (guardDepth++ > 0) {
        return;
    }
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
}

InterruptGuard::~InterruptGuard() {
    const std::lock_guard<std::mutex> lock(guardMutex);
    if (--guardDepth > 0) {
        return;
    }
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
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
