#include "cli/MiniSxCheck.h"

#include "files/MiniFamilySettingsFile.h"

namespace morvik::cli {

MiniSXCheckResult CheckMiniSXText(std::string_view text) {
    MiniSXCheckResult result;
    MiniSXSettings settings;
    MiniReadResult read = LoadMiniSXSettingsText(text, settings);
    if (read.Failed()) {
        result.error = std::move(read.error);
        return result;
    }
    result.loaded = std::move(read.warnings);
    result.checked = ValidateMiniSXSettings(settings);
    for (std::string& message : CheckMiniSXSounds(settings)) {
        result.checked.push_back(std::move(message));
    }
    return result;
}

}  // namespace morvik::cli
