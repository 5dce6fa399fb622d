#pragma once
// A Mini-family terminal answers "pget" of a function record in the form a settings file holds
// it: kind, lengths, fixed fields, URLs and the IP-ID as they stand, and each free-text field
// escaped on its own. The tool cuts such a record at fixed positions, so the form matters.

#include <string>
#include <string_view>

namespace morvik::sim {

// The answer form of a stored (escaped as received) function record. A value that is not a
// well-formed record of a known kind is answered as stored.
std::string RecordAnswerForm(std::string_view stored);

}  // namespace morvik::sim
