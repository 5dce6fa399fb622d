#include "sessions/MiniWriteFrame.h"

#include <algorithm>
#include <ctime>

#include "model/PcClock.h"
#include "protocol/ClockLine.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"
#include "sessions/SoundUpload.h"

namespace morvik {

namespace ids = res::ids;

CMiniWriteFrame::CMiniWriteFrame(CTerminal& terminal, bool setClock)
    : terminal_(terminal), setClock_(setClock) {
    SetMaximum(kMiniWriteRange);
}

void CMiniWriteFrame::UpdateUploadProgress() {
    if (!uploading_.load(std::memory_order_acquire)) {
        return;
    }
    const std::size_t total = uploadSize_.load(std::memory_order_acquire);
    const int steps = uploadSteps_.load(std::memory_order_acquire);
    const auto sent = static_cast<std::size_t>(std::max(0, terminal_.Port().SentBytes()));
    if (total == 0 || sent >= total) {
        SetPosition(steps);
        return;
    }
    SetPosition(static_cast<int>(sent * static_cast<std::size_t>(steps) / total));
}

bool CMiniWriteFrame::UploadImage(std::span<const std::uint8_t> image, int progressSteps) {
    uploadSteps_.store(progressSteps, std::memory_order_release);
    uploadSize_.store(image.size(), std::memory_order_release);
    uploading_.store(progressSteps > 0, std::memory_order_release);
    const UploadOutcome outcome = AnnouncedUpload(terminal_, image);
    uploading_.store(false, std::memory_order_release);
    if (outcome != UploadOutcome::Done) {
        Fail(UploadFailureText(outcome));
        return false;
    }
    steps_ += progressSteps;
    SetPosition(steps_);
    return true;
}

bool CMiniWriteFrame::Confirm(const std::string& reply, const std::string& key) {
    const int outcome = ReplyCheck(reply);
    if (outcome != kReplyOk) {
        Fail(MiniWriteFailureText(key, outcome));
        return false;
    }
    ++steps_;
    SetPosition(steps_);
    return true;
}

bool CMiniWriteFrame::SendValues(std::span<const MiniKeyValue> values) {
    for (const MiniKeyValue& value : values) {
        if (StopIfCancelled() ||
            !Confirm(MiniSetValue(terminal_, value.key, value.value), value.key)) {
            return false;
        }
    }
    return true;
}

bool CMiniWriteFrame::SendNdefWrite(const MiniSxNfcSettings& nfc) {
    return !StopIfCancelled() && Confirm(MiniSetNdef(terminal_, nfc), MiniNdefWriteKey());
}

void CMiniWriteFrame::FinishWrite() {
    if (StopIfCancelled()) {
        return;
    }
    if (setClock_) {
        // The PC's time at the moment it is sent, so the terminal is not behind by the write.
        const std::tm local = PcLocalTimeNow();
        const int outcome = ReplyCheck(terminal_.Exchange(ClockSetLine(local), true));
        if (outcome != kReplyOk) {
            // Reported, not passed over: the operator asked for the clock and would otherwise
            // be told that everything was written.
            Fail(MiniWriteFailureText({}, outcome == kReplyChecksumError ? kReplyError : outcome));
            return;
        }
    }
    SetPosition(Maximum());
    if (!SendApplyingReboot(terminal_)) {
        // Every value is on the terminal, but it has not restarted and so applies none of them:
        // this is no success, and the text says what did happen.
        Fail(res::TextCp932(ids::kWrittenButNotRestarted));
        return;
    }
    Complete();
}

bool CMiniWriteFrame::StopIfCancelled() {
    if (!CancelRequested()) {
        return false;
    }
    Fail({});
    return true;
}

void CMiniWriteFrame::LeaveTerminalIfUnfinished() {
    EndMiniWrite(terminal_, *this);
}

void EndMiniWrite(CTerminal& terminal, const CSessionWorker& session) {
    if (!session.Completed() && !session.TerminalRefused() && terminal.IsConnected()) {
        terminal.SendReboot();
    }
}

}  // namespace morvik
