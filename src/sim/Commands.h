#pragma once
// The command mode of the terminal: one received line in, the reply text (without the prompt)
// and what the terminal does next out. Transfers and restarts are carried out by the Terminal.

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "sim/Edition.h"
#include "sim/Faults.h"
#include "sim/SimState.h"

namespace morvik::sim {

struct CommandOutcome {
    enum class Next {
        Prompt,        // reply, then "%"
        LeaveSession,  // reply, then "#" and normal mode
        Restart,       // no reply; restart
        SoundUpload,   // receive uploadLength bytes of sound image
        DetectionLog,  // reply holds "dlog: <count>"; send the log
    };
    std::string reply;
    Next next = Next::Prompt;
    size_t uploadLength = 0;
    bool stateChanged = false;
};

class Commands {
  public:
    Commands(const Edition& edition, SimState& state, const Faults& faults)
        : edition_(edition), state_(state), faults_(faults) {}

    CommandOutcome Run(std::string_view line, std::chrono::system_clock::time_point now);

    // The identification reply to "ver" (without the prompt).
    std::string Identification() const;

  private:
    CommandOutcome ParamGet(std::string_view rest) const;
    CommandOutcome ParamSet(std::string_view rest);
    CommandOutcome ParamClear(std::string_view rest);
    CommandOutcome Clock(std::string_view rest, std::chrono::system_clock::time_point now);
    CommandOutcome DetectionLog(std::string_view rest);
    CommandOutcome Ndef(std::string_view rest);
    CommandOutcome Upload(std::string_view rest) const;
    std::string InternalLog() const;
    std::string Token(std::string_view key, std::string_view value) const;

    const Edition& edition_;
    SimState& state_;
    const Faults& faults_;
};

// The reply word of a refused command, with its line end.
inline constexpr std::string_view kErrorLine = "error\r\n";

}  // namespace morvik::sim
