#include "sim/Terminal.h"

#include "sim/ImageChecks.h"

namespace morvik::sim {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

// A restart after "reboot"/"reboot s" leaves the terminal deaf for about this long.
constexpr milliseconds kRebootTime(300);
// Restart after a firmware update (taken or not).
constexpr milliseconds kUpdateRestartTime(500);
// A sound upload answers its command with the first NAK after this pause.
constexpr milliseconds kFirstUploadNak(100);
// Until the first block arrives the receiver repeats NAK this often (a sound upload this many
// times).
constexpr milliseconds kNakInterval(3000);
constexpr int kMaxNaks = 10;
// A transfer that hears nothing for this long is abandoned.
constexpr milliseconds kTransferSilence(10000);
// Longest command line kept; longer input is cut (the terminal's line buffer).
constexpr size_t kMaxLine = 8192;
// The update-mode trigger byte, in normal mode.
constexpr char kUpdateTrigger = 0x08;

}  // namespace

Terminal::Terminal(const Edition& edition, SimState& state, Faults& faults, SimLog& log,
                   SendFn send, SaveFn save)
    : edition_(edition),
      state_(state),
      faults_(faults),
      log_(log),
      send_(std::move(send)),
      save_(std::move(save)),
      commands_(edition, state, faults) {}

void Terminal::Send(std::string_view bytes) {
    if (!faults_.NoReply() && !bytes.empty()) {
        send_(bytes);
    }
}

bool Terminal::OnByte(char byte, Clock::time_point at) {
    OnTimer(at);
    if (vanished_) {
        return true;
    }
    bool purge = false;
    switch (mode_) {
        case Mode::Restarting:
            return true;  // what arrives during a restart is lost
        case Mode::Normal:
        case Mode::Command:
            if (edition_.miniFamily || gulp_.Keep(byte, at)) {
                LineByte(byte, at);
            }
            if (byte == '\r') {
                if (const std::size_t lost = gulp_.TakeLost(); lost > 0) {
                    log_.Event("input lost: " + std::to_string(lost) + " bytes");
                }
            }
            break;
        case Mode::SoundUpload:
        case Mode::Update:
            ReceiverByte(byte, at, purge);
            break;
        case Mode::LogEmpty:
        case Mode::LogSend:
            LogByte(byte, at);
            break;
    }
    if (pendingLine_) {
        std::string line = std::move(*pendingLine_);
        pendingLine_.reset();
        HandleLine(line, at);
    }
    return !purge;
}

void Terminal::LineByte(char byte, Clock::time_point now) {
    if (byte == '\n') {
        return;
    }
    if (byte == '\r') {
        std::string line = std::move(line_);
        line_.clear();
        HandleLine(line, now);
        return;
    }
    if (byte == kUpdateTrigger && mode_ == Mode::Normal) {
        line_.clear();
        log_.Event("update mode");
        StartReceive(Mode::Update, now, now);
        return;
    }
    if (line_.size() < kMaxLine) {
        line_ += byte;
    }
}

void Terminal::HandleLine(const std::string& line, Clock::time_point now) {
    log_.Line(line);
    if (faults_.Vanishes(line)) {
        log_.Event("vanished");
        vanished_ = true;
        return;
    }
    if (faults_.Silences(line)) {
        return;
    }
    Send(line + "\r\n");  // the echo comes first, in every mode
    if (mode_ == Mode::Normal) {
        NormalLine(line);
    } else {
        CommandLine(line, now);
    }
}

void Terminal::NormalLine(const std::string& line) {
    if (faults_.AnswersError(line)) {
        Send("error\r\n#");
    } else if (line.empty() || line == "exit") {
        Send("#");
    } else if (line == edition_.openingLine) {
        mode_ = Mode::Command;
        Send("%");
    } else {
        Send("error\r\n#");
    }
}

void Terminal::CommandLine(const std::string& line, Clock::time_point now) {
    if (faults_.AnswersError(line)) {
        Send("error\r\n%");
        return;
    }
    CommandOutcome out = commands_.Run(line, std::chrono::system_clock::now());
    Send(out.reply);
    if (out.stateChanged) {
        save_();
    }
    switch (out.next) {
        case CommandOutcome::Next::Prompt:
            Send("%");
            break;
        case CommandOutcome::Next::LeaveSession:
            mode_ = Mode::Normal;
            Send("#");
            break;
        case CommandOutcome::Next::Restart:
            StartRestart(kRebootTime, now);
            break;
        case CommandOutcome::Next::SoundUpload:
            uploadLength_ = out.uploadLength;
            StartReceive(Mode::SoundUpload, now + kFirstUploadNak, now);
            break;
        case CommandOutcome::Next::DetectionLog:
            StartLog(now);
            break;
    }
}

void Terminal::StartRestart(milliseconds duration, Clock::time_point now) {
    mode_ = Mode::Restarting;
    restartEnd_ = now + duration;
    line_.clear();
    receiver_.reset();
    sender_.reset();
}

void Terminal::StartReceive(Mode mode, Clock::time_point firstNak, Clock::time_point now) {
    mode_ = mode;
    receiver_.emplace(faults_);
    naksSent_ = 0;
    nextNak_ = firstNak;
    lastActivity_ = now;
    ReceiveTimer(now);
}

void Terminal::ReceiverByte(char byte, Clock::time_point now, bool& purge) {
    lastActivity_ = now;
    Send(receiver_->Feed(byte, now, purge));
    switch (receiver_->status()) {
        case BlockReceiver::Status::Done:
            FinishReceive(now);
            break;
        case BlockReceiver::Status::Cancelled:
            if (mode_ == Mode::Update) {
                log_.Event("update cancelled");
                StartRestart(kUpdateRestartTime, now);
            } else {
                BackToCommand("upload cancelled", "error\r\n%");
            }
            break;
        case BlockReceiver::Status::Interrupted:
            pendingLine_ = receiver_->InterruptingLine();
            log_.Event(mode_ == Mode::Update ? "update abandoned" : "upload abandoned");
            mode_ = mode_ == Mode::Update ? Mode::Normal : Mode::Command;
            receiver_.reset();
            break;
        default:
            break;
    }
}

void Terminal::FinishReceive(Clock::time_point now) {
    const std::string& data = receiver_->Data();
    std::string blocks = std::to_string(receiver_->Blocks()) + " blocks";
    if (mode_ == Mode::SoundUpload) {
        bool whole = data.size() >= uploadLength_;
        bool sound = whole && SoundImageIsSound(std::string_view(data).substr(0, uploadLength_));
        BackToCommand("upload " + std::to_string(uploadLength_) + " bytes, " + blocks + ": " +
                          (sound ? "done" : "error"),
                      sound ? "done\r\n%" : "error\r\n%");
        return;
    }
    FirmwareVerdict verdict = CheckFirmware(data, edition_.miniFamily);
    if (verdict.valid) {
        state_.version = verdict.version;
        log_.Event("update " + blocks + ": firmware " + verdict.version);
    } else {
        log_.Event("update " + blocks + ": refused (" + verdict.reason + ")");
    }
    receiver_.reset();
    StartRestart(kUpdateRestartTime, now);
}

void Terminal::BackToCommand(std::string_view event, std::string_view reply) {
    log_.Event(event);
    receiver_.reset();
    sender_.reset();
    mode_ = Mode::Command;
    Send(reply);
}

void Terminal::ReceiveTimer(Clock::time_point now) {
    if (!receiver_) {
        return;
    }
    Send(receiver_->OnTimer(now));
    if (receiver_->Started()) {
        if (now - lastActivity_ >= kTransferSilence) {
            if (mode_ == Mode::Update) {
                log_.Event("update timed out");
                StartRestart(kUpdateRestartTime, now);
            } else {
                BackToCommand("upload timed out", "error\r\n%");
            }
        }
        return;
    }
    if (now < nextNak_) {
        return;
    }
    // A sound upload gives up after its NAKs; update mode has nothing else to do and waits
    // for as long as the operator takes to pick the firmware file.
    if (naksSent_ == kMaxNaks && mode_ == Mode::SoundUpload) {
        BackToCommand("upload: no data", "error\r\n%");
        return;
    }
    if (!faults_.NoNak()) {
        Send(std::string(1, kNak));
    }
    ++naksSent_;
    nextNak_ = now + kNakInterval;
}

void Terminal::StartLog(Clock::time_point now) {
    lastActivity_ = now;
    if (state_.detectionLog.empty()) {
        mode_ = Mode::LogEmpty;
        return;
    }
    mode_ = Mode::LogSend;
    sender_.emplace(DetectionLogData(state_.detectionLog), faults_);
}

void Terminal::LogByte(char byte, Clock::time_point now) {
    lastActivity_ = now;
    std::string count = std::to_string(state_.detectionLog.size()) + " records";
    if (mode_ == Mode::LogEmpty || sender_->status() == BlockSender::Status::WaitingForNak) {
        // Before any block went out, a line ended by CR means the tool talks again.
        if (byte == '\r') {
            pendingLine_ = std::move(line_);
            line_.clear();
            BackToCommand("dlog abandoned", "");
            return;
        }
        if (static_cast<unsigned char>(byte) >= 0x20) {
            line_ += byte;
        }
    }
    if (mode_ == Mode::LogEmpty) {
        if (byte == kCan) {
            line_.clear();
            BackToCommand("dlog 0 records", "");
        }
        return;
    }
    Send(sender_->Feed(byte));
    switch (sender_->status()) {
        case BlockSender::Status::Done:
            line_.clear();
            BackToCommand("dlog " + count + " sent", "");
            break;
        case BlockSender::Status::Cancelled:
            line_.clear();
            BackToCommand(
                "dlog cancelled after " + std::to_string(sender_->BlocksAcknowledged()) + " blocks",
                "");
            break;
        case BlockSender::Status::Failed:
            line_.clear();
            BackToCommand("dlog failed", "");
            break;
        default:
            break;
    }
}

void Terminal::OnTimer(Clock::time_point now) {
    switch (mode_) {
        case Mode::Restarting:
            if (now >= restartEnd_) {
                // The boot is counted (and the state file saved) once the terminal is back, so
                // that a state file with the new count says the restart is over.
                mode_ = Mode::Normal;
                line_.clear();
                ++state_.boot;
                state_.touchesSinceBoot = 0;
                save_();
            }
            break;
        case Mode::SoundUpload:
        case Mode::Update:
            ReceiveTimer(now);
            break;
        case Mode::LogEmpty:
        case Mode::LogSend:
            if (now - lastActivity_ >= kTransferSilence) {
                line_.clear();
                BackToCommand("dlog timed out", "");
            }
            break;
        default:
            break;
    }
}

std::optional<Terminal::Clock::time_point> Terminal::Deadline() const {
    switch (mode_) {
        case Mode::Restarting:
            return restartEnd_;
        case Mode::SoundUpload:
        case Mode::Update: {
            if (!receiver_)
                return std::nullopt;
            Clock::time_point next =
                receiver_->Started() ? lastActivity_ + kTransferSilence : nextNak_;
            if (receiver_->PartialBlockPending()) {
                next = std::min(next, receiver_->PartialBlockDeadline());
            }
            return next;
        }
        case Mode::LogEmpty:
        case Mode::LogSend:
            return lastActivity_ + kTransferSilence;
        default:
            return std::nullopt;
    }
}

}  // namespace morvik::sim
