#include "model/SoundDialogCheck.h"

#include <algorithm>

#include "model/SoundImage.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

SoundDialogStep Step(SoundDialogStep::Kind kind, int captionId, int textId) {
    return SoundDialogStep{kind, captionId, textId, res::TextCp932(textId)};
}

}  // namespace

std::vector<SoundDialogStep> SoundDialogOkSteps(std::span<const std::string> paths,
                                                bool registerSounds) {
    using Kind = SoundDialogStep::Kind;
    for (const std::string& path : paths) {
        if (!path.empty() && CheckSoundFile(path) != SoundStatus::Ok) {
            return {Step(Kind::Error, res::ids::kErrorCaption, res::ids::kSoundFileInvalid)};
        }
    }
    const SoundSizeResult size = TotalSoundSize(paths);
    if (size.status == SoundStatus::SizeUnknown) {
        return {Step(Kind::Error, res::ids::kErrorCaption, res::ids::kSoundFileSizeFailed)};
    }
    if (size.status != SoundStatus::Ok) {
        return {Step(Kind::Error, res::ids::kErrorCaption, res::ids::kSoundFileOpenFailed)};
    }
    if (!FitsSoundMemory(size.total)) {
        SoundDialogStep step =
            Step(Kind::Error, res::ids::kErrorCaption, res::ids::kSoundTotalTooLarge);
        step.text = SoundSizeLimitMessage();
        return {step};
    }

    const bool anyEmpty =
        std::any_of(paths.begin(), paths.end(), [](const std::string& p) { return p.empty(); });
    const bool anySet =
        std::any_of(paths.begin(), paths.end(), [](const std::string& p) { return !p.empty(); });
    std::vector<SoundDialogStep> steps;
    if (registerSounds) {
        if (anyEmpty) {
            steps.push_back(
                Step(Kind::Question, res::ids::kNoticeCaption, res::ids::kSoundEmptySlotsConfirm));
        }
        steps.push_back(
            Step(Kind::Information, res::ids::kNoticeCaption, res::ids::kSoundWrittenOnWriteNote));
    } else if (anySet) {
        steps.push_back(
            Step(Kind::Question, res::ids::kNoticeCaption, res::ids::kSoundNotRegisteredConfirm));
    }
    return steps;
}

bool SoundDialogRefused(std::span<const SoundDialogStep> steps) {
    return !steps.empty() && steps.back().kind == SoundDialogStep::Kind::Error;
}

}  // namespace morvik
