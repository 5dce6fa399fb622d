#pragma once
// The words of the command protocol that come from the string table, as code page 932 bytes.

#include <string>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik::ReplyWord {

inline const std::string& Exit() {
    return res::TextCp932(res::ids::kCmdExit);
}
inline const std::string& Error() {
    return res::TextCp932(res::ids::kReplyError);
}
inline const std::string& NoReply() {
    return res::TextCp932(res::ids::kReplyNoReply);
}
inline const std::string& Done() {
    return res::TextCp932(res::ids::kReplyDone);
}
inline const std::string& ChecksumError() {
    return res::TextCp932(res::ids::kReplyChecksumError);
}

}  // namespace morvik::ReplyWord
