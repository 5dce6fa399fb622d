#pragma once
// The checks the Slim editor runs before it writes to a terminal or saves a file. They run over
// the groups the function enables, in the order browser, Toruca, mailer, and stop at the first
// failure: the editor shows that one message and refuses.

#include <optional>
#include <string>

#include "model/SlimSettings.h"

namespace morvik {

// The message (code page 932) of the first failed check, or nothing when the state may be
// written.
std::optional<std::string> ValidateSlimEditorState(const SlimEditorState& state);

}  // namespace morvik
