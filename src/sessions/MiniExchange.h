#pragma once
// The exchanges of a Mini/MiniS session, "get one value" and "set one value", the text a failed
// write ends with, and the two lines that end a session without waiting for an answer. Every
// exchange runs quietly: a session reports through its error text, never through messages of its
// own, and the write confirmation needs the prompt that a quiet exchange keeps.

#include <string>

#include "protocol/Terminal.h"

namespace morvik {

// "pget key": the reply without its trailing run of "%" and then of CR and LF characters. A
// terminal that failed to answer gives "noreply" (or "error"), which the reply check sees.
std::string MiniGetValue(CTerminal& terminal, const std::string& key);

// "pset key value" for a value already in its transfer form, "pclr key" for an empty one; the
// reply without its trailing "%" characters, "csumerror" when the terminal stored something
// else than was sent.
std::string MiniSetValue(CTerminal& terminal, const std::string& key, const std::string& value);

// The error text (without its CR LF) of a write of key that the reply check classed as outcome:
// 903 for no reply, 964 followed by the key's write error code for a checksum error, 905 for
// anything else.
std::string MiniWriteFailureText(const std::string& key, int outcome);

// "reboot" CR LF in one write: the terminal restarts and applies what was written. Nothing
// comes back but the echo, so nothing is awaited.
bool SendApplyingReboot(CTerminal& terminal);

}  // namespace morvik
