// Checks of a whole Mini/MiniS settings model before it is written.

#include "model/MiniSettings.h"

#include "model/SoundImage.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

std::vector<std::string> ValidateMiniSettings(const MiniSettings& settings) {
    std::vector<std::string> messages;
    for (const FunctionSet& set : settings.sets) {
        for (std::string& line : ValidateFunctionSet(set)) {
            messages.push_back(std::move(line));
        }
    }
    for (std::string& line : ValidateAuthCode(settings.terminal.authCode)) {
        messages.push_back(std::move(line));
    }
    return messages;
}

std::vector<std::string> CheckMiniSounds(const MiniSettings& settings) {
    if (!settings.registerSounds) {
        return {};
    }
    for (const std::string& path : settings.soundPaths) {
        if (path.empty()) {
            continue;
        }
        if (const SoundStatus status = CheckSoundFile(path); status != SoundStatus::Ok) {
            return {SoundFailureText(status)};
        }
    }
    SoundSizeResult size = TotalSoundSize(settings.soundPaths);
    if (size.status != SoundStatus::Ok) {
        return {res::TextCp932(res::ids::kFileOpenFailed)};
    }
    if (!FitsSoundMemory(size.total)) {
        return {SoundSizeLimitMessage()};
    }
    return {};
}

std::string MessageLines(std::span<const std::string> messages) {
    std::string text;
    for (const std::string& message : messages) {
        text += message;
        text += "\r\n";
    }
    return text;
}

}  // namespace morvik
