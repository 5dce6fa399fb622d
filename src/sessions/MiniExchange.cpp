#include "sessions/MiniExchange.h"

#include "model/MiniCatalogue.h"
#include "model/TextExtract.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::string_view kPrompt = "%";
constexpr std::string_view kLineEndCharacters = "\r\n";

std::string Line(int commandId, const std::string& key) {
    return res::TextCp932(commandId) + " " + key;
}

}  // namespace

std::string MiniGetValue(CTerminal& terminal, const std::string& key) {
    const std::string reply = terminal.Exchange(Line(ids::kCmdPget, key), true);
    return TrimRight(TrimRight(reply, kPrompt), kLineEndCharacters);
}

std::string MiniSetValue(CTerminal& terminal, const std::string& key, const std::string& value) {
    const std::string line =
        value.empty() ? Line(ids::kCmdPclr, key) : Line(ids::kCmdPset, key) + " " + value;
    return TrimRight(terminal.Exchange(line, true), kPrompt);
}

std::string MiniWriteFailureText(const std::string& key, int outcome) {
    switch (outcome) {
        case kReplyNoReply:
            return res::TextCp932(ids::kSerialTimeout);
        case kReplyChecksumError: {
            const MiniParameter* parameter = FindMiniParameter(key);
            return res::TextCp932(ids::kWriteChecksumError) +
                   (parameter != nullptr ? MiniWriteErrorCode(*parameter) : std::string());
        }
        default:
            return res::TextCp932(ids::kWriteFailed);
    }
}

bool SendApplyingReboot(CTerminal& terminal) {
    const std::string line = res::TextCp932(ids::kCmdReboot) + "\r\n";
    terminal.Trace().Sent(line);
    return terminal.Port().Send(line);
}

}  // namespace morvik
