// The main window's short commands, each a whole frame on the calling thread:
// connect, open session, identify, act, restart or leave the terminal, disconnect.

#include <ctime>

#include "model/PcClock.h"
#include "protocol/ClockLine.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyCheck.h"
#include "protocol/Terminal.h"

namespace morvik {

void CTerminal::LeaveAfterLooking(EditionCode code) {
    if (code == kEditionMini || code == kEditionMiniSx) {
        SendReboot();
    } else if (code == kEditionSlim) {
        SendExit();
    }
}

bool CTerminal::ReadDeviceInformation(DeviceInfo& info, EditionCode* edition) {
    if (edition != nullptr) {
        *edition = kEditionNone;
    }
    if (!Connect(false)) {
        return false;
    }
    bool read = false;
    if (OpenSession()) {
        info = ReadIdentification(nullptr, &read);
        const EditionCode code = DetectEdition(true);
        LeaveAfterLooking(code);
        if (edition != nullptr) {
            *edition = code;
        }
    }
    Disconnect();
    return read;
}

bool CTerminal::SetTerminalClockFromPc() {
    // The time is taken when the command is chosen, not after the session has opened.
    const std::tm local = PcLocalTimeNow();
    return SetTerminalClock(local);
}

bool CTerminal::SetTerminalClock(const std::tm& localTime) {
    if (!Connect(false)) {
        return false;
    }
    if (!OpenSession()) {
        Disconnect();
        return false;
    }
    const EditionCode code = DetectEdition(true);
    if (code != kEditionMini && code != kEditionMiniSx) {
        LeaveAfterLooking(code);
        reporter_->ShowError(Texts::MiniNotFound());
        Disconnect();
        return false;
    }
    const std::string reply = Exchange(ClockSetLine(localTime), false);
    SendReboot();
    const bool set = ReplyCheck(reply) == kReplyOk;
    if (set) {
        reporter_->ShowInformation(Texts::ClockSetCaption(), Texts::ClockSetDone());
    } else {
        reporter_->ShowError(Texts::ConnectFailed());
    }
    Disconnect();
    return set;
}

bool CTerminal::EraseDetectionLog(bool askFirst) {
    if (askFirst && !reporter_->Ask(Texts::EraseLogCaption(), Texts::EraseLogQuestion())) {
        return false;
    }
    if (!Connect(false)) {
        return false;
    }
    if (!OpenSession()) {
        Disconnect();
        return false;
    }
    const EditionCode code = DetectEdition(true);
    if (code != kEditionMini) {
        // A MiniSx keeps no detection log; it is restarted like after any look at it.
        LeaveAfterLooking(code);
        reporter_->ShowError(Texts::MiniNotFound());
        Disconnect();
        return false;
    }
    const std::string reply = Exchange(Texts::EraseLogCommand(), false);
    SendReboot();
    Disconnect();
    if (ReplyCheck(reply) != kReplyOk) {
        return false;
    }
    reporter_->ShowInformation(Texts::EraseLogCaption(), Texts::EraseLogDone());
    return true;
}

void CTerminal::Shutdown() {
    if (port_.IsOpen() || Connect(true)) {
        SendExit();
        Disconnect();
    }
}

}  // namespace morvik
