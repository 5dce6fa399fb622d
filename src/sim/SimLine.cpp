#include "sim/SimLine.h"

#include <algorithm>

namespace morvik::sim {
namespace {

// The input wire's room: a serial driver's transmit buffer.
constexpr std::size_t kInputRoom = 4096;
// How long output waits for the tool to make room before it is dropped.
constexpr auto kWriteStall = std::chrono::seconds(3);

}  // namespace

SimLine::SimLine(Pty& pty, const LinePacing& pacing)
    : pty_(pty),
      input_(pacing.unpacedInput ? 0 : pacing.baud, false),
      output_(pacing.baud, pacing.pieces) {}

short SimLine::PollEvents() const {
    short events = 0;
    if (input_.Size() < kInputRoom) {
        events |= POLLIN;
    }
    if (stalledSince_) {
        events |= POLLOUT;
    }
    return events;
}

std::optional<SimLine::Clock::time_point> SimLine::Deadline() const {
    std::optional<Clock::time_point> next = input_.NextTaking();
    std::optional<Clock::time_point> out =
        stalledSince_ ? std::optional(*stalledSince_ + kWriteStall) : output_.NextTaking();
    if (out && (!next || *out < *next)) {
        next = out;
    }
    return next;
}

std::string SimLine::Receive(Clock::time_point now) {
    std::string bytes = pty_.Read(kInputRoom - std::min(kInputRoom, input_.Size()));
    input_.Put(bytes, now);
    return bytes;
}

void SimLine::Send(std::string_view bytes, Clock::time_point at) {
    output_.Put(bytes, at);
}

void SimLine::Transmit(Clock::time_point now) {
    const std::size_t due = output_.Arrived(now);
    if (due == 0) {
        return;
    }
    const std::size_t written = pty_.WriteSome(output_.Front(due));
    output_.Drop(written);
    if (written == due) {
        stalledSince_.reset();
    } else if (written > 0 || !stalledSince_) {
        stalledSince_ = now;
    } else if (now - *stalledSince_ >= kWriteStall) {
        output_.Clear();
        stalledSince_.reset();
    }
}

}  // namespace morvik::sim
