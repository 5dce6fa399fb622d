#pragma once
// The simulated terminal: its modes (normal, command, restarting, the receivers of sound images
// and firmware, the detection log sender), the echo and prompts of each, and the timing of
// restarts, NAK repetition and transfer time-outs. It is fed received bytes and timer ticks and
// answers through a send function.

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "sim/BlockTransfer.h"
#include "sim/Commands.h"
#include "sim/Edition.h"
#include "sim/Faults.h"
#include "sim/InputGulp.h"
#include "sim/SimLog.h"
#include "sim/SimState.h"

namespace morvik::sim {

class Terminal {
  public:
    using Clock = std::chrono::steady_clock;
    using SendFn = std::function<void(std::string_view)>;
    using SaveFn = std::function<void()>;

    Terminal(const Edition& edition, SimState& state, Faults& faults, SimLog& log, SendFn send,
             SaveFn save);

    // One byte from the tool, at the moment it arrived. False when what has arrived after it must
    // be dropped unseen (the tail of a damaged block, which must not be taken for the next one).
    bool OnByte(char byte, Clock::time_point at);
    void OnTimer(Clock::time_point now);
    // The next moment OnTimer has something to do.
    std::optional<Clock::time_point> Deadline() const;
    // True once a vanish fault struck: the simulator must close the line and end.
    bool Vanished() const { return vanished_; }

  private:
    enum class Mode { Normal, Command, Restarting, SoundUpload, Update, LogEmpty, LogSend };

    void Send(std::string_view bytes);
    void LineByte(char byte, Clock::time_point now);
    void HandleLine(const std::string& line, Clock::time_point now);
    void NormalLine(const std::string& line);
    void CommandLine(const std::string& line, Clock::time_point now);
    void StartRestart(std::chrono::milliseconds duration, Clock::time_point now);
    void StartReceive(Mode mode, Clock::time_point firstNak, Clock::time_point now);
    void ReceiverByte(char byte, Clock::time_point now, bool& purge);
    void FinishReceive(Clock::time_point now);
    void ReceiveTimer(Clock::time_point now);
    void StartLog(Clock::time_point now);
    void LogByte(char byte, Clock::time_point now);
    void BackToCommand(std::string_view event, std::string_view reply);

    const Edition& edition_;
    SimState& state_;
    Faults& faults_;
    SimLog& log_;
    SendFn send_;
    SaveFn save_;
    Commands commands_;

    Mode mode_ = Mode::Normal;
    std::string line_;
    InputGulp gulp_;  // a Slim's line input
    bool vanished_ = false;
    Clock::time_point restartEnd_{};

    std::optional<BlockReceiver> receiver_;
    size_t uploadLength_ = 0;
    int naksSent_ = 0;
    Clock::time_point nextNak_{};
    Clock::time_point lastActivity_{};

    std::optional<BlockSender> sender_;
    std::optional<std::string>
        pendingLine_;  // text that interrupted a transfer, handled as a line afterwards
};

}  // namespace morvik::sim
