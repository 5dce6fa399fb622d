// Waking a terminal and putting it into command mode. A terminal may be asleep, halfway through a
// line, or still in command mode from an earlier run; the opening therefore first sends empty
// lines and "exit", then tries the Mini family's opening line and, failing that, Slim's.

#include <chrono>
#include <thread>

#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyCheck.h"
#include "protocol/Terminal.h"

namespace morvik {

namespace {

using std::chrono::milliseconds;

// Wake-up lines are not awaited: with a read constant of 0 a read returns at once.
constexpr uint32_t kWakeUpReadConstantMs = 0;
constexpr int kWakeUpLines = 3;
// Pause between wake-up lines, so a terminal waking from power saving sees separate lines.
constexpr milliseconds kWakeUpPause{50};

constexpr char kPromptReady = '%';

}  // namespace

void CTerminal::ShowFirstCommunicationNotice() {
    reporter_->ShowWarning(Texts::FirstCommunicationCaption(), Texts::FirstCommunicationNotice());
}

bool CTerminal::OpenSession() {
    return OpenSessionWith(false);
}

bool CTerminal::ProbeSession() {
    return OpenSessionWith(true);
}

bool CTerminal::OpenSessionWith(bool probe) {
    pacing_.store(true);
    if (!noticeOnlyForSlim_ && firstCommunication_.exchange(false)) {
        ShowFirstCommunicationNotice();
    }
    reporter_->SetBusy(true);
    {
        CReadConstantScope scope(port_, kWakeUpReadConstantMs);
        for (int i = 0; i < kWakeUpLines; ++i) {
            if (i > 0) {
                std::this_thread::sleep_for(kWakeUpPause);
            }
            if (probe) {
                RawWakeUp();
            } else {
                Exchange("\r\n", true);
            }
        }
    }
    SendExit();

    if (Exchange(miniOpeningLine_, true).find(kPromptReady) != std::string::npos) {
        // The session is open. Its exchanges stay unpaced: the switch is left on.
        reporter_->SetBusy(false);
        return true;
    }

    if (!probe) {
        // The Mini-family line was not understood: a Slim may need a harder wake-up.
        CReadConstantScope scope(port_, kWakeUpReadConstantMs);
        for (int i = 0; i < kWakeUpLines; ++i) {
            if (i > 0) {
                std::this_thread::sleep_for(kWakeUpPause);
            }
            RawWakeUp();
        }
    }
    bool opened = false;
    if (Exchange(slimOpeningLine_, true).find(kPromptReady) != std::string::npos) {
        opened = ReplyCheck(Exchange(Texts::SlimPowerLine(), true)) == kReplyOk;
    }
    if (opened && noticeOnlyForSlim_ && firstCommunication_.exchange(false)) {
        ShowFirstCommunicationNotice();
    }
    if (!opened && !probe) {
        reporter_->ShowError(Texts::ConnectFailed());
    }
    reporter_->SetBusy(false);
    pacing_.store(false);
    return opened;
}

}  // namespace morvik
