#include "sim/InputGulp.h"

namespace morvik::sim {

bool InputGulp::Keep(char byte, Clock::time_point now) {
    if (!started_ || now - last_ >= kPause) {
        taken_ = 0;
    }
    started_ = true;
    last_ = now;
    if (taken_ < kCapacity || byte == '\r') {
        ++taken_;
        return true;
    }
    ++lost_;
    return false;
}

std::size_t InputGulp::TakeLost() {
    const std::size_t lost = lost_;
    lost_ = 0;
    return lost;
}

}  // namespace morvik::sim
