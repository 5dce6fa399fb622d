#include "cli/CliSessionRun.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

constexpr std::chrono::milliseconds kPoll{100};
constexpr std::chrono::milliseconds kTick{150};

std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
    interrupted.store(true);
}

// Ctrl+C while a session runs asks it to stop between two exchanges instead of killing the
// program with the terminal half written and still in command mode.
class InterruptScope {
  public:
    InterruptScope() {
        interrupted.store(false);
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &previous_);
    }
    ~InterruptScope() { sigaction(SIGINT, &previous_, nullptr); }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

  private:
    struct sigaction previous_ {};
};

}  // namespace

std::optional<EditionCode> OpenForSettings(CTerminal& terminal) {
    if (!terminal.Connect(false)) {
        return std::nullopt;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return std::nullopt;
    }
    return terminal.DetectEdition(true);
}

void LeaveTerminal(CTerminal& terminal, EditionCode code) {
    if (code == kEditionSlim) {
        terminal.SendExit();
    } else {
        terminal.SendReboot();
    }
    terminal.Disconnect();
}

int NotThisEdition(CTerminal& terminal, EditionCode code) {
    LeaveTerminal(terminal, code);
    PrintError(Text(res::ids::kNotThisEditionsTerminal));
    return kExitFailure;
}

void RunSession(CSessionWorker& session, const std::function<void()>& tick) {
    InterruptScope interrupt;
    std::optional<CliProgress> bar;
    session.Start();
    auto nextTick = std::chrono::steady_clock::now() + kTick;
    while (!session.Finished()) {
        if (interrupted.load()) {
            session.RequestCancel();
        }
        if (tick && std::chrono::steady_clock::now() >= nextTick) {
            tick();
            nextTick += kTick;
        }
        if (::isatty(STDERR_FILENO) == 1 && session.TitleId() != 0) {
            if (!bar) {
                bar.emplace(Text(session.TitleId()));
            }
            bar->Show(session.Position(), session.Maximum());
        }
        std::this_thread::sleep_for(kPoll);
    }
    session.Join();
    if (bar && session.Completed()) {
        bar->Show(1, 1);
    }
}

}  // namespace morvik::cli
