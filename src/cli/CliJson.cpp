#include "cli/CliJson.h"

#include "cli/CliCapture.h"
#include "cli/CliExitCodes.h"
#include "cli/CliOutput.h"
#include "model/Cp932.h"

namespace morvik::cli {

Json& JsonResult() {
    if (CliCapture* capture = CurrentCapture()) {
        return capture->Result();
    }
    static Json result = Json::object();
    return result;
}

std::string JsonText(std::string_view cp932) {
    return Cp932ToUtf8(cp932);
}

std::string JsonDocument(const std::string* command, int exitCode) {
    Json document = Json::object();
    document["command"] = command == nullptr ? Json(nullptr) : Json(*command);
    document["ok"] = exitCode == kExitOk;
    document["exitCode"] = exitCode;
    for (const auto& [key, value] : JsonResult().items()) {
        document[key] = value;
    }
    if (!GatheredOutput().empty()) {
        document["output"] = GatheredOutput();
    }
    document["messages"] = GatheredMessages();
    // A byte that is not UTF-8 (a terminal's text that has no code page 932 form) becomes U+FFFD
    // instead of ending the program.
    return document.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace morvik::cli
