#include "cli/CliSessionRun.h"

#include <unistd.h>

#include <chrono>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

constexpr std::chrono::milliseconds kPoll{100};
constexpr std::chrono::milliseconds kTick{150};

}  // namespace

std::optional<EditionCode> OpenForSettings(CTerminal& terminal) {
    if (!terminal.Connect(false)) {
        return std::nullopt;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return std::nullopt;
    }
    const EditionCode code = terminal.DetectEdition(true);
    if (Interrupted()) {
        LeaveTerminal(terminal, code);
        return std::nullopt;
    }
    return code;
}

bool OpenForWriting(CTerminal& terminal, EditionCode edition) {
    if (!terminal.Connect(false)) {
        return false;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return false;
    }
    if (Interrupted()) {
        LeaveTerminal(terminal, edition);
        return false;
    }
    return true;
}

void LeaveTerminal(CTerminal& terminal, EditionCode code) {
    // A terminal that named no edition is restarted, as the Mini family's sessions end.
    terminal.LeaveAfterLooking(code == kEditionNone ? kEditionMini : code);
    terminal.Disconnect();
}

int NotThisEdition(CTerminal& terminal, EditionCode code) {
    LeaveTerminal(terminal, code);
    PrintError(Text(res::ids::kNotThisEditionsTerminal));
    return kExitFailure;
}

void RunSession(CSessionWorker& session, const std::function<void()>& tick) {
    std::optional<CliProgress> bar;
    session.Start();
    auto nextTick = std::chrono::steady_clock::now() + kTick;
    while (!session.Finished()) {
        if (Interrupted()) {
            session.RequestCancel();
        }
        if (tick && std::chrono::steady_clock::now() >= nextTick) {
            tick();
            nextTick += kTick;
        }
        if (::isatty(STDERR_FILENO) == 1 && !Quiet() && session.TitleId() != 0) {
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

int FailedSession(const CSessionWorker& session, const std::string& fallback) {
    if (Interrupted()) {
        return ReportInterrupted();
    }
    const std::string& text = session.ErrorText();
    PrintError(text.empty() ? fallback : ForScreen(text));
    return kExitFailure;
}

}  // namespace morvik::cli
