#pragma once
// --json: every command prints one JSON object on standard output when it ends, errors included.
// The keys are English and stable:
//   "command"   the command's name ("dlog get"), null when the line named none
//   "ok"        true when the exit code is 0
//   "exitCode"  the exit code (CliExitCodes.h)
//   ...         the command's own results (JsonResult)
//   "output"    the result lines the command prints on standard output without --json (when any)
//   "messages"  every error and warning, in order, as standard error would have shown them
// Text values are UTF-8, as the terminal holds them (code page 932 converted, nothing replaced).

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace morvik::cli {

using Json = nlohmann::ordered_json;

// The command's own results, filled while it runs.
Json& JsonResult();

// Code page 932 text as a JSON string value.
std::string JsonText(std::string_view cp932);

// The whole object, as one line.
std::string JsonDocument(const std::string* command, int exitCode);

}  // namespace morvik::cli
