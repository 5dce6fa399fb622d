#include "cli/CliSessionRun.h"

#include <chrono>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliInterrupt.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "protocol/Identification.h"
#include "protocol/ProtocolTexts.h"
#include "res/StringIds.h"

namespace morvik::cli {
namespace {

constexpr std::chrono::milliseconds kPoll{100};
constexpr std::chrono::milliseconds kTick{150};

}  // namespace

Json EditionCodeName(EditionCode code) {
    switch (code) {
        case kEditionSlim:
            return "slim";
        case kEditionMini:
            return "mini";
        case kEditionMiniSx:
            return "minisx";
        default:
            return nullptr;
    }
}

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
    if (JsonMode()) {
        // One more "ver", as the terminal ID query asks it, names the product and version too.
        const std::string reply = terminal.Exchange(Texts::VersionCommand(), false);
        const bool slim = code == kEditionSlim;
        JsonResult()["terminal"] = Json{
            {"edition", EditionCodeName(code)},
            {"terminalId", JsonText(ItemValue(reply, Texts::TerminalIdKey()))},
            {"productName",
             JsonText(ItemValue(reply, slim ? Texts::SlimProductKey() : Texts::MiniProductKey()))},
            {"firmwareVersion",
             JsonText(ItemValue(reply, slim ? Texts::SlimVersionKey() : Texts::MiniVersionKey()))}};
    }
    return code;
}

void LeaveTerminal(CTerminal& terminal, EditionCode code) {
    // A terminal that named no edition is restarted, as the Mini family's sessions end.
    terminal.LeaveAfterLooking(code == kEditionNone ? kEditionMini : code);
    terminal.Disconnect();
}

int NotThisEdition(CTerminal& terminal, EditionCode code) {
    LeaveTerminal(terminal, code);
    SetOutcome("refused");
    PrintError(Text(res::ids::kNotThisEditionsTerminal));
    return kExitFailure;
}

void SetOutcome(const char* outcome) {
    JsonResult()["outcome"] = outcome;
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
        // The bar draws itself in place on a terminal and a line per tenth elsewhere, as every
        // long command's does.
        if (session.TitleId() != 0) {
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
    SetOutcome(Interrupted() ? "interrupted" : "failed");
    if (Interrupted()) {
        return ReportInterrupted();
    }
    const std::string& text = session.ErrorText();
    PrintError(text.empty() ? fallback : ForScreen(text));
    return kExitFailure;
}

}  // namespace morvik::cli
