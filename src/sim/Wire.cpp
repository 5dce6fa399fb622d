#include "sim/Wire.h"

#include <algorithm>

namespace morvik::sim {
namespace {

// A USB serial adapter hands received data to the PC in small packets, a few milliseconds apart.
constexpr std::size_t kPieceSize = 7;
constexpr auto kPiecePause = std::chrono::milliseconds(12);
constexpr std::size_t kTakeAtOnce = 16;
// Bits on the wire per byte: start bit, eight data bits, stop bit.
constexpr long long kBitsPerByte = 10;

}  // namespace

Wire::Wire(int baud, bool pieces) : pieces_(pieces) {
    if (baud > 0) {
        byteTime_ = std::chrono::duration_cast<Clock::duration>(
            std::chrono::nanoseconds(kBitsPerByte * 1'000'000'000LL / baud));
    }
}

void Wire::Put(std::string_view bytes, Clock::time_point now) {
    const std::size_t first = arrivals_.size();
    for (char byte : bytes) {
        lineFree_ = std::max(lineFree_, now) + byteTime_;
        bytes_ += byte;
        arrivals_.push_back(lineFree_);
    }
    if (!pieces_) {
        return;
    }
    // Each piece is handed over once its last byte is in, the pieces of one output a pause
    // apart; the first piece follows whatever was handed over before without a pause.
    for (std::size_t start = first; start < arrivals_.size(); start += kPieceSize) {
        const std::size_t end = std::min(start + kPieceSize, arrivals_.size());
        Clock::time_point handOver = std::max(arrivals_[end - 1], lastHandOver_);
        if (start > first) {
            handOver = std::max(handOver, lastHandOver_ + kPiecePause);
        }
        std::fill(arrivals_.begin() + static_cast<std::ptrdiff_t>(start),
                  arrivals_.begin() + static_cast<std::ptrdiff_t>(end), handOver);
        lastHandOver_ = handOver;
    }
}

std::optional<Wire::Clock::time_point> Wire::NextTaking() const {
    if (arrivals_.empty()) {
        return std::nullopt;
    }
    // A piece is handed over whole at its own moment.
    return pieces_ ? arrivals_.front() : arrivals_[std::min(arrivals_.size(), kTakeAtOnce) - 1];
}

std::size_t Wire::Arrived(Clock::time_point now) const {
    // Arrival times never decrease along the wire.
    return static_cast<std::size_t>(std::upper_bound(arrivals_.begin(), arrivals_.end(), now) -
                                    arrivals_.begin());
}

std::string_view Wire::Front(std::size_t count) const {
    return std::string_view(bytes_).substr(head_, count);
}

void Wire::Drop(std::size_t count) {
    count = std::min(count, arrivals_.size());
    arrivals_.erase(arrivals_.begin(), arrivals_.begin() + static_cast<std::ptrdiff_t>(count));
    head_ += count;
    if (arrivals_.empty()) {
        bytes_.clear();
        head_ = 0;
    } else if (head_ > 4096 && head_ > bytes_.size() / 2) {
        bytes_.erase(0, head_);
        head_ = 0;
    }
}

void Wire::Clear() {
    Drop(arrivals_.size());
}

}  // namespace morvik::sim
