#include "protocol/ClockLine.h"

#include "protocol/ProtocolTexts.h"
#include "res/Strings.h"

namespace morvik {

std::string ClockSetLine(const std::tm& localTime) {
    constexpr int kTmYearBase = 1900;
    constexpr int kTerminalYearBase = 2000;
    return Texts::ClockSetCommand() + " " +
           res::Format(Texts::ClockSetArgsFormat(),
                       localTime.tm_year + kTmYearBase - kTerminalYearBase, localTime.tm_mon + 1,
                       localTime.tm_mday, localTime.tm_hour, localTime.tm_min, localTime.tm_sec);
}

}  // namespace morvik
