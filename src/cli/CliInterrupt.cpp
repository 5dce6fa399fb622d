#include "cli/CliInterrupt.h"

#include <atomic>
#include <csignal>

#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

struct sigaction previousInt {};
struct sigaction previousTerm {};

void OnSignal(int) {
    interrupted.store(true);
}

}  // namespace

InterruptGuard::InterruptGuard() {
    interrupted.store(false);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
}

InterruptGuard::~InterruptGuard() {
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
}

bool Interrupted() {
    return interrupted.load();
}

int ReportInterrupted() {
    PrintError(Text(ids::kInterrupted));
    return kExitInterrupted;
}

}  // namespace morvik::cli
