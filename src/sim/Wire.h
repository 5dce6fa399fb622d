#pragma once
// One direction of the serial line between the tool and the terminal. Bytes put on it come off
// when their last bit has crossed: ten bits per byte (start bit, eight data bits, stop bit) at the
// line speed, one after the other, as a UART sends them. Without a line speed they come off at
// once. With pieces, the far end hands them over in small pieces with pauses between, as a USB
// serial adapter delivers what it has received.

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace morvik::sim {

struct LinePacing {
    int baud = 0;               // 0: no wire time
    bool pieces = false;        // the terminal's output arrives in small pieces with pauses
    bool unpacedInput = false;  // with a baud rate, what the tool sends still arrives at once
};

class Wire {
  public:
    using Clock = std::chrono::steady_clock;

    Wire(int baud, bool pieces);

    // The bytes start crossing at now, or once the bytes before them have crossed.
    void Put(std::string_view bytes, Clock::time_point now);
    // When the far end next takes bytes: once sixteen have crossed, or all there are (a line or
    // a block ends with the last byte written), or the next piece; nothing when the wire is empty.
    // Taking them one at a time would wake both ends for every byte.
    std::optional<Clock::time_point> NextTaking() const;
    // How many of the oldest bytes have crossed by now.
    std::size_t Arrived(Clock::time_point now) const;
    // The i-th oldest byte and the moment it crossed.
    char Byte(std::size_t i) const { return bytes_[head_ + i]; }
    Clock::time_point ArrivalOf(std::size_t i) const { return arrivals_[i]; }
    // The oldest count bytes, which the far end has taken.
    std::string_view Front(std::size_t count) const;
    void Drop(std::size_t count);
    void Clear();
    std::size_t Size() const { return arrivals_.size(); }

  private:
    Clock::duration byteTime_{};
    bool pieces_ = false;
    std::string bytes_;  // from head_ on: the bytes still on the wire
    std::size_t head_ = 0;
    std::deque<Clock::time_point> arrivals_;
    Clock::time_point lineFree_{};      // when the last byte put on the wire has crossed
    Clock::time_point lastHandOver_{};  // when the last piece is handed over
};

}  // namespace morvik::sim
