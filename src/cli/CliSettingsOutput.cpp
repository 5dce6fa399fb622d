#include "cli/CliSettingsOutput.h"

#include <cstdio>
#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "files/SettingsFile.h"

namespace morvik::cli {
namespace {

// "key value" lines after the header ("# ...") and the tool's "ver" line.
Json SettingsJson(std::string_view text) {
    Json settings = Json::object();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = text.substr(start, end - start);
        start = end + 2;
        const size_t space = line.find(' ');
        if (line.empty() || line.front() == '#' || space == std::string_view::npos) {
            continue;
        }
        const std::string key(line.substr(0, space));
        if (key != "ver") {
            settings[JsonText(key)] = JsonText(line.substr(space + 1));
        }
    }
    return settings;
}

}  // namespace

int DeliverSettings(const std::string& path, const std::string& fileText,
                    const std::vector<std::string>& warnings, int exitWarnings) {
    const bool toStandardOutput = path == kStandardOutput;
    JsonResult()["file"] = toStandardOutput ? Json(nullptr) : Json(path);
    if (JsonMode()) {
        JsonResult()["settings"] = SettingsJson(fileText);
    }
    if (!toStandardOutput) {
        std::string message;
        if (!WriteSettingsFile(path, fileText, message)) {
            PrintError(ForScreen(message));
            return kExitFailure;
        }
    }
    for (const std::string& warning : warnings) {
        PrintError(ForScreen(warning));
    }
    if (toStandardOutput) {
        if (!JsonMode()) {
            std::fwrite(fileText.data(), 1, fileText.size(), stdout);
        }
    } else {
        PrintOut(FormatText(ids::kSavedTo, path));
    }
    return warnings.empty() ? kExitOk : exitWarnings;
}

}  // namespace morvik::cli
