#include "sessions/MiniSxExchange.h"

#include "model/MiniFamilyEdition.h"
#include "model/TextExtract.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::string_view kPrompt = "%";
constexpr std::string_view kLineEndCharacters = "\r\n";

}  // namespace

std::string MiniSXGetNdefText(CTerminal& terminal) {
    const std::string line =
        res::TextCp932(ids::kCmdNdef) + " " + res::TextCp932(ids::kCmdNdefGetUrlArg);
    return TrimRight(TrimRight(terminal.Exchange(line, true), kPrompt), kLineEndCharacters);
}

std::string MiniSXSetNdef(CTerminal& terminal, const MiniSXNfcSettings& nfc) {
    return TrimRight(terminal.Exchange(NdefWriteLine(nfc), true), kPrompt);
}

const std::string& MiniSXNdefWriteKey() {
    return res::TextCp932(ids::kCmdNdef);
}

std::string MiniSXWriteFailureText(const std::string& key, int outcome) {
    if (outcome == kReplyChecksumError) {
        return res::TextCp932(ids::kWriteChecksumError) + MiniFamilyWriteErrorCode(key);
    }
    return MiniWriteFailureText(key, outcome);
}

}  // namespace morvik
