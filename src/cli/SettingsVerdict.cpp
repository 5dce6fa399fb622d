#include "cli/SettingsVerdict.h"

#include <algorithm>
#include <array>

#include "files/MiniFamilySettingsFile.h"
#include "files/SlimSettingsFile.h"
#include "model/SlimValidation.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SlimReadSession.h"

namespace morvik::cli {
namespace {

const std::string& Cp932(int id) {
    return res::TextCp932(id);
}

// Load messages, then what the checks before a write add. A page's faults are reported on
// loading and again by the window's check; each is kept once.
std::vector<std::string> LoadThenCheck(std::vector<std::string> loaded,
                                       const std::vector<std::string>& checked) {
    std::vector<std::string> unmatched = loaded;
    for (const std::string& message : checked) {
        auto seen = std::find(unmatched.begin(), unmatched.end(), message);
        if (seen != unmatched.end()) {
            unmatched.erase(seen);
        } else {
            loaded.push_back(message);
        }
    }
    return loaded;
}

// A Mini-family file: the load's messages, then those of the window's checks before a write
// (its values, then its sounds).
template <class Edition, class Settings = typename Edition::Settings>
void JudgeMiniFamily(const std::string& text, Settings& settings, SettingsVerdict& verdict,
                     std::vector<std::string> (*validate)(const Settings&)) {
    MiniReadResult read = MiniFamilySettingsFile<Edition>::LoadText(text, settings);
    if (read.Failed()) {
        verdict.messages = {read.error};
        return;
    }
    std::vector<std::string> checked = validate(settings);
    for (std::string& message : Edition::CheckSounds(settings)) {
        checked.push_back(std::move(message));
    }
    verdict.messages = LoadThenCheck(std::move(read.warnings), checked);
}

void JudgeMini(const std::string& text, SettingsVerdict& verdict) {
    JudgeMiniFamily<MiniEdition>(text, verdict.mini, verdict, &ValidateMiniSettings);
}

void JudgeMiniSx(const std::string& text, SettingsVerdict& verdict) {
    JudgeMiniFamily<MiniSxEdition>(text, verdict.miniSx, verdict, &ValidateMiniSxSettings);
}

// A Slim file is taken whole or not at all; the window's checks before a write stop at their
// first failure, and a fault that loading reported already is not repeated.
void JudgeSlim(const std::string& text, SettingsVerdict& verdict) {
    if (!HasSlimHeader(text)) {
        verdict.messages = {Cp932(res::ids::kSettingsFileInvalid)};
        return;
    }
    const std::optional<SlimDecoded> decoded = DecodeSlimRead(SlimFileValues(text));
    if (!decoded) {
        verdict.messages = {Cp932(res::ids::kReadFailed)};
        return;
    }
    verdict.slim = decoded->state;
    verdict.messages = decoded->messages;
    if (const std::optional<std::string> problem = ValidateSlimEditorState(decoded->state)) {
        if (std::find(verdict.messages.begin(), verdict.messages.end(), *problem) ==
            verdict.messages.end()) {
            verdict.messages.push_back(*problem);
        }
    }
}

struct EditionJudge {
    SettingsFileEdition edition;
    std::size_t maxSize;
    void (*judge)(const std::string& text, SettingsVerdict& verdict);
};

constexpr std::array kJudges = {
    EditionJudge{SettingsFileEdition::Slim, kSlimSettingsFileMaxSize, JudgeSlim},
    EditionJudge{SettingsFileEdition::Mini, kMiniFamilySettingsFileMaxSize, JudgeMini},
    EditionJudge{SettingsFileEdition::MiniSx, kMiniFamilySettingsFileMaxSize, JudgeMiniSx},
};

}  // namespace

SettingsVerdict JudgeSettingsFile(const std::string& path) {
    SettingsVerdict verdict;
    std::size_t largest = 0;
    for (const EditionJudge& judge : kJudges) {
        largest = std::max(largest, judge.maxSize);
    }
    const SettingsFileText file = ReadSettingsFileText(PathFromUtf8(path), largest);
    if (!file.ok) {
        if (file.message == Cp932(res::ids::kSettingsFileInvalid)) {
            verdict.messages = {file.message};  // too large to be a settings file
        } else {
            verdict.unreadable = file.message;
        }
        return verdict;
    }
    verdict.edition = DetectSettingsFileEdition(file.text);
    for (const EditionJudge& judge : kJudges) {
        if (judge.edition != verdict.edition) {
            continue;
        }
        // The text has CR LF appended to what the file holds.
        if (file.text.size() - 2 > judge.maxSize) {
            verdict.messages = {Cp932(res::ids::kSettingsFileInvalid)};
        } else {
            judge.judge(file.text, verdict);
        }
        return verdict;
    }
    verdict.messages = {Cp932(res::ids::kSettingsFileInvalid)};
    return verdict;
}

std::string EditionName(SettingsFileEdition edition) {
    switch (edition) {
        case SettingsFileEdition::Slim:
            return "slim";
        case SettingsFileEdition::Mini:
            return "mini";
        case SettingsFileEdition::MiniSx:
            return "minisx";
        default:
            return {};
    }
}

}  // namespace morvik::cli
