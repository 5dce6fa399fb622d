#pragma once
// The two exchanges of a Slim session, "get one value" and "set one value", and the texts a
// failed write ends with. Both exchanges run quietly: a session reports through its error text,
// never through message boxes of its own.

#include <string>

#include "model/SlimCatalogue.h"
#include "protocol/Terminal.h"

namespace morvik {

// Both Slim sessions run their progress bar from 0 to this.
inline constexpr int kSlimSessionRange = 7;

// "pget key": the reply without its trailing run of "%" and then of CR and LF characters. A
// terminal that failed to answer gives "noreply" (or "error"), which the reply check sees.
std::string SlimGetValue(CTerminal& terminal, SlimKey key);

// "pset key value" for a value (already escaped), "pclr key" for an empty one; the reply without
// its trailing "%" characters, "csumerror" when the terminal stored something else.
std::string SlimSetValue(CTerminal& terminal, SlimKey key, const std::string& value);

// The error text (without its CR LF) of a write that the reply check classed as outcome:
// 903 for no reply, 964 and the key's code for a checksum error, 905 for anything else.
std::string SlimWriteFailureText(SlimKey key, int outcome);

}  // namespace morvik
