#pragma once
// How a Slim takes its line input: in gulps of at most 64 bytes. Bytes that follow one another
// without a pause fill the gulp; what arrives once it is full is lost, until a pause empties it.
// This is why the tool pauses after every 60 bytes it sends to a Slim, and why an unpaced long
// "pset" reaches a Slim damaged.

#include <chrono>
#include <cstddef>

namespace morvik::sim {

class InputGulp {
  public:
    using Clock = std::chrono::steady_clock;

    static constexpr std::size_t kCapacity = 64;
    // The tool pauses 25 ms, of which the wire time of its last bytes takes a few (60 bytes are
    // 5.2 ms at 115200 baud), so a quiet spell of 5 ms already counts as the pause. A byte's
    // moment is when its last bit came in on the simulated line, or, when the input is not
    // paced, when the simulator read it (which on a busy machine can be many milliseconds
    // late); bytes written back to back show no gap at all either way.
    static constexpr std::chrono::milliseconds kPause{5};

    // Whether a byte that arrives at now is kept (false: lost). A line end (CR) always gets
    // through, so an overfull line still ends, damaged, where it was meant to.
    bool Keep(char byte, Clock::time_point now);
    // The bytes lost since the last call (for the log).
    std::size_t TakeLost();

  private:
    std::size_t taken_ = 0;
    std::size_t lost_ = 0;
    bool started_ = false;
    Clock::time_point last_{};
};

}  // namespace morvik::sim
