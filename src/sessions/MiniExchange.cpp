#include "sessions/MiniExchange.h"

#include "model/MiniFamilyEdition.h"
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

// A reply that carries a value: without the prompt, then without the line end before it.
std::string ValueReply(const std::string& reply) {
    return TrimRight(TrimRight(reply, kPrompt), kLineEndCharacters);
}

}  // namespace

std::string MiniGetValue(CTerminal& terminal, const std::string& key) {
    return ValueReply(terminal.Exchange(Line(ids::kCmdPget, key), true));
}

std::string MiniReadValue(CTerminal& terminal, int keyId) {
    if (keyId == ids::kKeyNdefUrl) {
        return ValueReply(
            terminal.Exchange(Line(ids::kCmdNdef, res::TextCp932(ids::kCmdNdefGetUrlArg)), true));
    }
    return MiniGetValue(terminal, res::TextCp932(keyId));
}

std::string MiniSetValue(CTerminal& terminal, const std::string& key, const std::string& value) {
    const std::string line =
        value.empty() ? Line(ids::kCmdPclr, key) : Line(ids::kCmdPset, key) + " " + value;
    return TrimRight(terminal.Exchange(line, true), kPrompt);
}

std::string MiniSetNdef(CTerminal& terminal, const MiniSxNfcSettings& nfc) {
    return TrimRight(terminal.Exchange(NdefWriteLine(nfc), true), kPrompt);
}

const std::string& MiniNdefWriteKey() {
    return res::TextCp932(ids::kCmdNdef);
}

std::string MiniWriteFailureText(const std::string& key, int outcome) {
    switch (outcome) {
        case kReplyNoReply:
            return res::TextCp932(ids::kSerialTimeout);
        case kReplyChecksumError:
            return res::TextCp932(ids::kWriteChecksumError) + MiniFamilyWriteErrorCode(key);
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
