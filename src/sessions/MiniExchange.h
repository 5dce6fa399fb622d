#pragma once
// The exchanges of a Mini-family session: "get one value" and "set one value", the MiniSx's
// NDEF record, the text a failed write ends with, and the line that ends a write without waiting
// for an answer. Every exchange runs quietly: a session reports through its error text, never
// through messages of its own, and the write confirmation needs the prompt that a quiet exchange
// keeps.

#include <string>

#include "model/MiniSxAdditions.h"
#include "protocol/Terminal.h"

namespace morvik {

// "pget key": the reply without its trailing run of "%" and then of CR and LF characters. A
// terminal that failed to answer gives "noreply" (or "error"), which the reply check sees.
std::string MiniGetValue(CTerminal& terminal, const std::string& key);

// The value a read takes for a key, trimmed as MiniGetValue trims: the NDEF record's text
// ("ndef g u") for its key "ndef_url", which is no parameter, "pget" for every other key.
std::string MiniReadValue(CTerminal& terminal, int keyId);

// "pset key value" for a value already in its transfer form, "pclr key" for an empty one; the
// reply without its trailing "%" characters, "csumerror" when the terminal stored something
// else than was sent.
std::string MiniSetValue(CTerminal& terminal, const std::string& key, const std::string& value);

// "ndef s <query> <url>": the reply without its trailing "%" characters, or "csumerror" when the
// terminal's upper-case checksum of the URL does not match what was sent.
std::string MiniSetNdef(CTerminal& terminal, const MiniSxNfcSettings& nfc);

// The key that names the NDEF write in its error text ("ndef").
const std::string& MiniNdefWriteKey();

// The error text (without its CR LF) of a write of key that the reply check classed as outcome:
// 903 for no reply, 964 followed by the key's write error code (MiniFamilyWriteErrorCode) for a
// checksum error, 905 for anything else.
std::string MiniWriteFailureText(const std::string& key, int outcome);

// "reboot" CR LF in one write: the terminal restarts and applies what was written. Nothing
// comes back but the echo, so nothing is awaited.
bool SendApplyingReboot(CTerminal& terminal);

}  // namespace morvik
