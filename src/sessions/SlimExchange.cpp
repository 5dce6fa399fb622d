#include "sessions/SlimExchange.h"

#include "model/TextExtract.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::string_view kPrompt = "%";
constexpr std::string_view kLineEndCharacters = "\r\n";

std::string Line(int commandId, SlimKey key) {
    return res::TextCp932(commandId) + " " + SlimKeyText(key);
}

}  // namespace

std::string SlimGetValue(CTerminal& terminal, SlimKey key) {
    const std::string reply = terminal.Exchange(Line(ids::kCmdPget, key), true);
    return TrimRight(TrimRight(reply, kPrompt), kLineEndCharacters);
}

std::string SlimSetValue(CTerminal& terminal, SlimKey key, const std::string& value) {
    // Quiet, so that the reply keeps its prompt for the write confirmation.
    const std::string line =
        value.empty() ? Line(ids::kCmdPclr, key) : Line(ids::kCmdPset, key) + " " + value;
    return TrimRight(terminal.Exchange(line, true), kPrompt);
}

std::string SlimWriteFailureText(SlimKey key, int outcome) {
    switch (outcome) {
        case kReplyNoReply:
            return res::TextCp932(ids::kSerialTimeout);
        case kReplyChecksumError:
            return res::TextCp932(ids::kWriteChecksumError) + SlimWriteErrorCode(key);
        default:
            return res::TextCp932(ids::kWriteFailed);
    }
}

}  // namespace morvik
