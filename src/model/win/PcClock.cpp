#include "model/PcClock.h"

namespace morvik {

std::tm PcLocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local;
}

}  // namespace morvik
