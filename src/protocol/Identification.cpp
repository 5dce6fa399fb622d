#include "protocol/Identification.h"

#include <cstdint>
#include <limits>

#include "model/TextExtract.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyCheck.h"
#include "protocol/Terminal.h"
#include "res/Strings.h"

namespace morvik {

namespace {

// Leading decimal digits as an unsigned 64-bit number; no digits give 0, too many saturate.
uint64_t UnsignedDecimal(const std::string& text) {
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        const auto digit = static_cast<uint64_t>(c - '0');
        if (value > (kMax - digit) / 10) {
            return kMax;
        }
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

EditionCode EditionFromReply(const std::string& reply) {
    auto has = [&reply](const std::string& what) { return reply.find(what) != std::string::npos; };
    if (has(Texts::SlimModelName())) {
        return kEditionSlim;
    }
    if (has(Texts::MiniVersionMarker()) || has(Texts::MiniSVersionMarker())) {
        return kEditionMini;
    }
    if (has(Texts::MiniSxVersionMarker())) {
        return kEditionMiniSx;
    }
    return kEditionNone;
}

std::string ItemValue(const std::string& reply, const std::string& key) {
    return ValueBetweenMarkers(reply, key + " ", "\r\n");
}

std::string BootCounterText(const std::string& boot, const std::string& watchdog) {
    const uint64_t sum = UnsignedDecimal(boot) + UnsignedDecimal(watchdog);
    return res::Format("%llu", static_cast<unsigned long long>(sum));
}

std::string ClockText(const std::string& rtcReply) {
    const std::string& accepted = Texts::ClockAccepted();
    if (rtcReply.find(accepted) == std::string::npos) {
        return Texts::ClockUnknown();
    }
    return Texts::CenturyPrefix() + ValueBetweenMarkers(rtcReply, accepted + "\r\n", "\r\n");
}

EditionCode CTerminal::DetectEdition(bool inSession) {
    std::string reply;
    if (inSession) {
        reply = Exchange(Texts::VersionCommand(), false);
    } else {
        if (!Connect(false)) {
            return kEditionNone;
        }
        if (!OpenSession()) {
            Disconnect();
            return kEditionNone;
        }
        reply = Exchange(Texts::VersionCommand(), false);
        // Outside a session the terminal is restarted after every detection.
        SendReboot();
        Disconnect();
    }
    return EditionFromReply(reply);
}

DeviceInfo CTerminal::ReadIdentification(std::string* rawReply, bool* everyAnswer) {
    DeviceInfo info;
    const std::string reply = Exchange(Texts::VersionCommand(), false);
    if (rawReply != nullptr) {
        *rawReply = reply;
    }
    bool answered = ReplyCheck(reply) == kReplyOk;
    if (everyAnswer != nullptr) {
        *everyAnswer = answered;
    }
    if (!answered) {
        return info;
    }
    // Asked a second time: the edition is decided by its own exchange.
    const EditionCode code = DetectEdition(true);
    const bool slim = code == kEditionSlim;
    info.productName = ItemValue(reply, slim ? Texts::SlimProductKey() : Texts::MiniProductKey());
    info.terminalId = ItemValue(reply, Texts::TerminalIdKey());
    info.firmwareVersion =
        ItemValue(reply, slim ? Texts::SlimVersionKey() : Texts::MiniVersionKey());
    info.bootCounter =
        BootCounterText(ItemValue(reply, Texts::BootKey()), ItemValue(reply, Texts::WatchdogKey()));
    const std::string clockReply = Exchange(Texts::ClockGetCommand(), false);
    info.clock = ClockText(clockReply);
    if (code == kEditionMini || code == kEditionMiniSx) {
        // A Slim keeps no clock and no touch count; the Mini family must answer both.
        answered = clockReply.find(Texts::ClockAccepted()) != std::string::npos;
        const std::string touches = Exchange(Texts::TouchCountCommand(), false);
        if (ReplyCheck(touches) == kReplyOk) {
            const size_t space = touches.find(' ');
            info.touchCounter =
                space == std::string::npos ? std::string() : touches.substr(0, space);
        } else {
            answered = false;
        }
    } else if (slim) {
        info.touchCounter = Texts::NoTouchCounter();
    } else {
        answered = false;  // the second "ver" named no edition
    }
    if (everyAnswer != nullptr) {
        *everyAnswer = answered;
    }
    return info;
}

std::string CTerminal::TerminalIdQuery() {
    return ItemValue(Exchange(Texts::VersionCommand(), false), Texts::TerminalIdKey());
}

std::string CTerminal::FirmwareVersionQuery() {
    return ItemValue(Exchange(Texts::VersionCommand(), false), Texts::SlimVersionKey());
}

}  // namespace morvik
