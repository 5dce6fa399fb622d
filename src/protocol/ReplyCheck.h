#pragma once
// The four outcomes a terminal's reply can have. Every session maps an outcome to its message in
// one place; the exchange produces the words "noreply" and "csumerror" itself.

#include <string>

namespace morvik {

constexpr int kReplyOk = 0;
constexpr int kReplyError = 1;            // the terminal answered "error"
constexpr int kReplyNoReply = -1;         // no prompt came back in time
constexpr int kReplyChecksumError = 190;  // a written value came back different

// Classifies a reply: 0 unless it holds one of the three failure words, and then by the word it
// begins with. A reply that only mentions "error" later on (a value that contains the word)
// still counts as success.
int ReplyCheck(const std::string& reply);

}  // namespace morvik
