#include "sessions/MiniSxWriteFrame.h"

#include "protocol/ReplyCheck.h"
#include "sessions/MiniExchange.h"

namespace morvik {

bool CMiniSXWriteFrame::Confirm(const std::string& reply, const std::string& key) {
    const int outcome = ReplyCheck(reply);
    if (outcome != kReplyOk) {
        Fail(MiniWriteFailureText(key, outcome));
        return false;
    }
    Advance();
    return true;
}

bool CMiniSXWriteFrame::SendMiniSXValues(std::span<const MiniKeyValue> values) {
    for (const MiniKeyValue& value : values) {
        if (StopIfCancelled()) {
            return false;
        }
        if (!Confirm(MiniSetValue(Terminal(), value.key, value.value), value.key)) {
            return false;
        }
    }
    return true;
}

bool CMiniSXWriteFrame::SendNdefWrite(const MiniSXNfcSettings& nfc) {
    if (StopIfCancelled()) {
        return false;
    }
    return Confirm(MiniSetNdef(Terminal(), nfc), MiniNdefWriteKey());
}

}  // namespace morvik
