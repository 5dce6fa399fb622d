#include "sim/Commands.h"

#include <charconv>
#include <cstdio>
#include <ctime>

#include "sim/RecordForm.h"
#include "sim/TerminalText.h"

namespace morvik::sim {
namespace {

using Next = CommandOutcome::Next;

CommandOutcome Error() {
    return {std::string(kErrorLine), Next::Prompt, 0, false};
}

CommandOutcome Reply(std::string text, bool changed = false) {
    return {std::move(text), Next::Prompt, 0, changed};
}

std::string Hex2(unsigned value, bool upper) {
    char buf[3];
    std::snprintf(buf, sizeof buf, upper ? "%02X" : "%02x", value & 0xFF);
    return buf;
}

// Decimal parse in the manner of the C library: optional sign, digits, the rest ignored.
long DecimalPrefix(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0x7FFFFFFF) {
            value = 0x7FFFFFFF;
        }
    }
    return negative ? -value : value;
}

// A wrong token for the bad-token fault: still looks like a token of the same kind.
std::string Falsify(const std::string& token) {
    if (token.size() == 2 && HexValue(token[0]) >= 0 && HexValue(token[1]) >= 0) {
        bool upper = token.find_first_of("ABCDEF") != std::string::npos;
        return Hex2(static_cast<unsigned>(HexValue(token[0]) * 16 + HexValue(token[1]) + 1), upper);
    }
    long number = 0;
    auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), number);
    if (ec == std::errc() && end == token.data() + token.size()) {
        return std::to_string(number + 1);
    }
    return token + "x";
}

bool TwoDigits(std::string_view text, int low, int high, int& out) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9') {
        return false;
    }
    out = (text[0] - '0') * 10 + (text[1] - '0');
    return out >= low && out <= high;
}

}  // namespace

std::string Commands::Identification() const {
    std::string out;
    auto line = [&](const char* key, const std::string& value) {
        out += key;
        out += ' ';
        out += value;
        out += "\r\n";
    };
    line(edition_.miniFamily ? "prod" : "product", edition_.product);
    line("tid", state_.tid);
    line(edition_.miniFamily ? "ver" : "version", state_.version);
    line("boot", std::to_string(state_.boot));
    line("wdog", std::to_string(state_.wdog));
    return out;
}

CommandOutcome Commands::Run(std::string_view line, std::chrono::system_clock::time_point now) {
    size_t space = line.find(' ');
    std::string_view command = line.substr(0, space);
    std::string_view rest = space == std::string_view::npos ? "" : line.substr(space + 1);
    bool hasRest = space != std::string_view::npos;

    if (line.empty())
        return Reply("");
    if (line == "exit")
        return {"", Next::LeaveSession, 0, false};
    if (line == "ver")
        return Reply(Identification());
    if (line == "reboot" || line == "reboot s")
        return {"", Next::Restart, 0, false};
    if (command == "pget") {
        if (!hasRest) {
            if (!edition_.miniFamily)
                return Error();
            std::string list;
            for (const auto& key : edition_.keys)
                list += key + "\r\n";
            return Reply(list);
        }
        return ParamGet(rest);
    }
    if (command == "pset" && hasRest)
        return ParamSet(rest);
    if (command == "pclr" && hasRest)
        return ParamClear(rest);
    if (command == "lget")
        return Reply(InternalLog());
    if (line == "pow s 0" && !edition_.miniFamily)
        return Reply("done 0\r\n");
    if (!edition_.miniFamily)
        return Error();

    if (command == "rtc" && hasRest)
        return Clock(rest, now);
    if (line == "tcnt") {
        return Reply(std::to_string(state_.touches) + " " +
                     std::to_string(state_.touchesSinceBoot) + "\r\n");
    }
    if (command == "dlog" && hasRest && edition_.detectionLog)
        return DetectionLog(rest);
    if (command == "ndef" && hasRest && edition_.ndef)
        return Ndef(rest);
    if (command == "x" && hasRest)
        return Upload(rest);
    return Error();
}

CommandOutcome Commands::ParamGet(std::string_view key) const {
    if (!edition_.HasKey(key))
        return Error();
    auto it = state_.params.find(std::string(key));
    std::string value = it == state_.params.end() ? "" : it->second;
    if (key == "isc" && !value.empty()) {
        value = PackText(value);
    } else if (edition_.miniFamily && IsFunctionRecordKey(key)) {
        value = RecordAnswerForm(value);
    }
    return Reply(std::string(key) + " " + value + "\r\n");
}

std::string Commands::Token(std::string_view key, std::string_view value) const {
    std::string token;
    if (IsTextChecksumKey(key)) {
        token = Hex2(NegatedSum(UnescapeValue(value)), false);
    } else if (IsHexChecksumKey(key)) {
        token = Hex2(NegatedSum(*HexPairs(value)), false);
    } else if (key == "isc") {
        token = std::to_string(DecimalPrefix(value));
    } else {
        token = std::string(value);
    }
    return faults_.FalsifiesToken(key) ? Falsify(token) : token;
}

CommandOutcome Commands::ParamSet(std::string_view rest) {
    size_t space = rest.find(' ');
    if (space == std::string_view::npos)
        return Error();
    std::string_view key = rest.substr(0, space);
    std::string_view value = rest.substr(space + 1);
    if (!edition_.HasKey(key))
        return Error();
    // A lamp code is stored as hexadecimal pairs; anything else is refused.
    if (IsHexChecksumKey(key) && !HexPairs(value))
        return Error();
    state_.params[std::string(key)] = std::string(value);
    return Reply("done " + Token(key, value) + "\r\n", true);
}

CommandOutcome Commands::ParamClear(std::string_view key) {
    if (!edition_.HasKey(key))
        return Error();
    state_.params[std::string(key)].clear();
    return Reply("done\r\n", true);
}

CommandOutcome Commands::Clock(std::string_view rest, std::chrono::system_clock::time_point now) {
    if (rest == "get") {
        std::time_t t = std::chrono::system_clock::to_time_t(now) + state_.clockOffset;
        std::tm tm{};
        localtime_r(&t, &tm);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%02d %02d:%02d:%02d", tm.tm_year % 100,
                      tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
        return Reply("ret=0\r\n" + std::string(buf) + "\r\n");
    }
    if (rest.substr(0, 2) != "s ")
        return Error();
    std::string_view args = rest.substr(2);
    int v[6];
    const int low[6] = {0, 1, 1, 0, 0, 0};
    const int high[6] = {99, 12, 31, 23, 59, 59};
    for (int i = 0; i < 6; ++i) {
        size_t sp = args.find(' ');
        std::string_view part = args.substr(0, sp);
        if (!TwoDigits(part, low[i], high[i], v[i]) || (i < 5 && sp == std::string_view::npos) ||
            (i == 5 && sp != std::string_view::npos)) {
            return Error();
        }
        args = sp == std::string_view::npos ? "" : args.substr(sp + 1);
    }
    std::tm tm{};
    tm.tm_year = 100 + v[0];
    tm.tm_mon = v[1] - 1;
    tm.tm_mday = v[2];
    tm.tm_hour = v[3];
    tm.tm_min = v[4];
    tm.tm_sec = v[5];
    tm.tm_isdst = -1;
    std::time_t wanted = std::mktime(&tm);
    // A day that the month does not have (31 April) is a malformed time, not a roll-over.
    if (wanted == static_cast<std::time_t>(-1) || tm.tm_mday != v[2])
        return Error();
    state_.clockOffset = static_cast<int64_t>(wanted - std::chrono::system_clock::to_time_t(now));
    return Reply("ret=0\r\n", true);
}

CommandOutcome Commands::DetectionLog(std::string_view rest) {
    if (rest == "e") {
        state_.detectionLog.clear();
        return Reply("done\r\n", true);
    }
    if (rest == "g") {
        return {"dlog: " + std::to_string(state_.detectionLog.size()) + "\r\n", Next::DetectionLog,
                0, false};
    }
    return Error();
}

CommandOutcome Commands::Ndef(std::string_view rest) {
    if (rest == "g u")
        return Reply(state_.ndef + "\r\n");
    if (rest.substr(0, 2) != "s ")
        return Error();
    std::string_view args = rest.substr(2);
    size_t sp = args.find(' ');
    std::string_view query = args.substr(0, sp);
    std::string_view url = sp == std::string_view::npos ? "" : args.substr(sp + 1);
    if (query.empty())
        return Error();
    state_.ndef = std::string(url);
    state_.params["nque"] = std::string(query);
    std::string token = Hex2(NegatedSum(url), true);
    if (faults_.FalsifiesToken("ndef"))
        token = Falsify(token);
    return Reply("done " + token + "\r\n", true);
}

CommandOutcome Commands::Upload(std::string_view rest) const {
    // "x i 0 <length>": area i (sound images), offset 0.
    constexpr size_t kMaxImage = 262144;
    if (rest.substr(0, 4) != "i 0 ")
        return Error();
    std::string_view digits = rest.substr(4);
    size_t length = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), length);
    if (ec != std::errc() || end != digits.data() + digits.size() || length == 0 ||
        length > kMaxImage) {
        return Error();
    }
    return {"", Next::SoundUpload, length, false};
}

std::string Commands::InternalLog() const {
    std::string out;
    out += "log 0001 power on boot=" + std::to_string(state_.boot) + "\r\n";
    out += "log 0002 firmware " + state_.version + " " + edition_.product + "\r\n";
    out += "log 0003 watchdog restarts=" + std::to_string(state_.wdog) + "\r\n";
    out += "log 0004 touches=" + std::to_string(state_.touches) + "\r\n";
    if (edition_.detectionLog) {
        out += "log 0005 detection records=" + std::to_string(state_.detectionLog.size()) + "\r\n";
    }
    return out;
}

}  // namespace morvik::sim
