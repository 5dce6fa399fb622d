// Terminal replies. The input is a command line (up to the first line feed) and the raw bytes a
// terminal answered. The reply goes through the exchange's cleaning (zero bytes, echo, spaces,
// the parameter name, the prompt) and its verification and classification, and through every
// reader of reply texts: identification, clock, parameter list, detection log count. None may
// crash, and the outcomes must stay inside their closed sets.
//
// A second part builds the reply a sound terminal gives to a "pset" of a plain or text value
// (echo, "done" and the token as terminal.md defines it) and requires that the exchange accepts
// it and refuses the same reply with a wrong token.

#include "FuzzSupport.h"
#include "model/Cp932.h"
#include "model/Escape.h"
#include "model/TextExtract.h"
#include "protocol/Identification.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyCheck.h"
#include "protocol/ReplyText.h"
#include "protocol/WriteVerification.h"
#include "sessions/DetectionLogSession.h"
#include "sessions/MaintenanceSave.h"

using namespace morvik;

namespace {

// The cleaning steps of the exchange, in its order, for a reply that arrived whole.
std::string Clean(const std::string& line, std::string reply, bool quiet) {
    const std::string echo = line + "\r\n";
    const std::string name = ParameterName(line);
    ReplaceZeroBytes(reply, 0);
    RemoveAll(reply, echo);
    RemoveAll(reply, echo);
    TrimSpaces(reply);
    if (!name.empty()) {
        RemoveAll(reply, name + " ");
    }
    if (!quiet) {
        reply = TrimRight(reply, "%");
    }
    return reply;
}

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

std::string Token(const std::string& bytes) {
    unsigned sum = 0;
    for (unsigned char c : bytes) {
        sum += c;
    }
    static const char* digits = "0123456789abcdef";
    const unsigned token = (0x100 - (sum & 0xFF)) & 0xFF;
    return {digits[token >> 4], digits[token & 0xF]};
}

void ReadersOf(const std::string& reply) {
    const EditionCode edition = EditionFromReply(reply);
    fuzz::Require(edition == kEditionSlim || edition == kEditionMini || edition == kEditionMiniSx ||
                      edition == kEditionNone,
                  "an identification names an edition or none");
    (void)BootCounterText(ItemValue(reply, "boot"), ItemValue(reply, "wdog"));
    fuzz::Require(ClockText(reply).size() >= 2, "the clock text is never empty");
    fuzz::Require(ParameterNames(reply).size() <= 255, "a parameter list holds at most 255 names");
    fuzz::Require(ParseDetectionLogCount(reply) >= -1, "a log count is a number or -1");
    fuzz::Require(IsUtf8(Cp932ToUtf8(reply)), "what is shown is UTF-8");
}

// A "pset" of value under key, answered as a sound terminal answers it.
void SoundWrite(const std::string& key, const std::string& value, const std::string& token) {
    const std::string line = "pset " + key + " " + value;
    const std::string answer = line + "\r\ndone " + token + "\r\n%";
    const std::string reply = Clean(line, answer, true);
    fuzz::Require(ReplyCheck(reply) == kReplyOk, "a confirmed write is a success");
    fuzz::Require(VerifyWrite(line, reply), "the terminal's own token confirms the write");
    std::string wrong = token;
    wrong.back() = wrong.back() == '0' ? '1' : '0';
    const std::string refused = Clean(line, line + "\r\ndone " + wrong + "\r\n%", true);
    fuzz::Require(!VerifyWrite(line, refused), "a wrong token is never taken as confirmation");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Split input = fuzz::SplitFirstLine(fuzz::AsText(data, size));
    const std::string line(input.head);
    const std::string raw(input.body);

    for (bool quiet : {true, false}) {
        const std::string reply = Clean(line, raw, quiet);
        const int outcome = ReplyCheck(reply);
        fuzz::Require(outcome == kReplyOk || outcome == kReplyError || outcome == kReplyNoReply ||
                          outcome == kReplyChecksumError,
                      "a reply has one of the four outcomes");
        const bool verified = VerifyWrite(line, reply);
        if (!line.starts_with(Texts::ParameterSetCommand()) &&
            !line.starts_with(Texts::NdefSetCommand())) {
            fuzz::Require(verified, "only writes are verified");
        }
        ReadersOf(reply);
    }
    ReadersOf(raw);

    // A value as it travels: one word without line ends, prompts or zero bytes.
    if (line.size() >= 2 && line.find_first_of(" \r\n%#\0", 1, 6) == std::string::npos) {
        const std::string value = line.substr(1);
        if (line[0] & 1) {
            SoundWrite("que1", value, value);  // plain settings: the value echoed
        } else {
            SoundWrite("psA1", value, Token(Unescape(value)));
        }
    }
    return 0;
}
