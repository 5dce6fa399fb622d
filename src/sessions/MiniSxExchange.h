#pragma once
// What the MiniSx sessions exchange beyond the Mini's "pget"/"pset": the NDEF record's text, read
// with "ndef g u" and written with "ndef s <query> <url>", and the error texts of a failed write
// that name the MiniSx's own keys.

#include <string>

#include "model/MiniSxAdditions.h"
#include "protocol/Terminal.h"

namespace morvik {

// "ndef g u": the NDEF text, without the trailing "%" and then CR and LF characters. A terminal
// that failed to answer gives "noreply" (or "error"), which the reply check sees.
std::string MiniSXGetNdefText(CTerminal& terminal);

// "ndef s <query> <url>", exchanged quietly: the reply without its trailing "%" characters, or
// "csumerror" when the terminal's upper-case checksum of the URL does not match what was sent.
std::string MiniSXSetNdef(CTerminal& terminal, const MiniSXNfcSettings& nfc);

// The key that names the NDEF write in its error text ("ndef").
const std::string& MiniSXNdefWriteKey();

// The error text (without CR LF) of a write of key that the reply check classed as outcome: 903,
// 964 followed by the key's code ("(367)" smp, "(368)" nfc, "(382)" the NDEF write, the Mini
// codes otherwise), or 905.
std::string MiniSXWriteFailureText(const std::string& key, int outcome);

}  // namespace morvik
