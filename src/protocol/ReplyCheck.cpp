#include "protocol/ReplyCheck.h"

#include "protocol/ReplyWords.h"

namespace morvik {

int ReplyCheck(const std::string& reply) {
    const std::string& error = ReplyWord::Error();
    const std::string& noReply = ReplyWord::NoReply();
    const std::string& csumError = ReplyWord::ChecksumError();
    if (reply.find(error) == std::string::npos && reply.find(noReply) == std::string::npos &&
        reply.find(csumError) == std::string::npos) {
        return kReplyOk;
    }
    if (reply.starts_with(noReply)) {
        return kReplyNoReply;
    }
    if (reply.starts_with(csumError)) {
        return kReplyChecksumError;
    }
    if (reply.starts_with(error)) {
        return kReplyError;
    }
    return kReplyOk;
}

}  // namespace morvik
