#pragma once
// The line between the tool and the simulated terminal: the pseudo-terminal and one wire each way.
// What the tool writes is read from the pseudo-terminal at once and crosses the input wire before
// the terminal sees it, byte by byte, each at the moment its last bit is in; what the terminal
// says crosses the output wire before the tool can read it. The input wire holds a few kilobytes,
// as a serial driver's transmit buffer does: beyond that the tool's writes wait.

#include <poll.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "sim/Pty.h"
#include "sim/Wire.h"

namespace morvik::sim {

class SimLine {
  public:
    using Clock = Wire::Clock;

    SimLine(Pty& pty, const LinePacing& pacing);

    // What to wait for on the pseudo-terminal, and the next moment something is due on a wire.
    short PollEvents() const;
    std::optional<Clock::time_point> Deadline() const;

    // Takes what the tool wrote onto the input wire; returns it (for the trace).
    std::string Receive(Clock::time_point now);
    // The input wire: the terminal takes from it what has arrived.
    Wire& Input() { return input_; }

    // Puts the terminal's bytes on the output wire, starting at the given moment.
    void Send(std::string_view bytes, Clock::time_point at);
    // Hands to the tool what has crossed by now. What the tool leaves unread for a few seconds is
    // dropped, as a UART drops what nobody reads.
    void Transmit(Clock::time_point now);

  private:
    Pty& pty_;
    Wire input_;
    Wire output_;
    std::optional<Clock::time_point> stalledSince_;  // the tool had no room for output
};

}  // namespace morvik::sim
