#pragma once
// Reading a function record in its stored form: the form a settings file holds and the form a
// Mini-family terminal answers to "pget" (free-text fields escaped one by one, the rest raw).

#include <optional>
#include <string_view>

#include "model/FunctionRecord.h"

namespace morvik {

// Cuts the record at its fixed positions and unescapes each free-text field. The result is
// std::nullopt only when the first character is not a function the group offers (the caller
// reports 911 for a terminal, or fails the file). A record that is cut short or carries
// lengths beyond its end never fails here: the missing fields come out empty, and the field
// rules (ValidateRecord) then say what is wrong.
//
// The padding spaces in front of the Toruca category icon, kana ID and the two one-digit
// identifiers are removed: they are the "%04s"/"%02s" filling of a short value, and read back
// as they stand they would fail the checks of values that were written correctly.
std::optional<FunctionRecord> ParseRecord(std::string_view text, PhoneGroup group);

}  // namespace morvik
