#include "model/MiniEditorRules.h"

#include "model/FunctionRecordValidate.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

PageCounter CountPage(const GroupFunctions& group, RecordKind kind) {
    PageCounter counter;
    counter.used = CounterSize(PageRecord(group, kind));
    counter.limit = TotalLimit(kind, PageQuery(group, kind));
    counter.over = counter.limit < counter.used;
    return counter;
}

PageCounter CountQuickTexts(const std::string& url, const std::string& message, int totalLimit) {
    PageCounter counter;
    counter.used = static_cast<int>(url.size() + message.size());
    counter.limit = totalLimit;
    counter.over = totalLimit < counter.used;
    return counter;
}

std::string CounterText(const PageCounter& counter) {
    return res::Format(res::Text(res::ids::kTotalSizeFormat), counter.used, counter.limit,
                       std::string(res::Text(res::ids::kBytes)).c_str());
}

void PlacedProblems::AddSets(std::span<const FunctionSet> sets, std::span<const int> setTabIds) {
    for (std::size_t i = 0; i < sets.size() && i < setTabIds.size(); ++i) {
        for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
            const GroupFunctions& functions = sets[i].Group(group);
            const std::string groupName =
                res::TextCp932(group == PhoneGroup::Docomo ? res::ids::kDocomoGroup
                                                           : res::ids::kOtherCarriersGroup);
            for (const std::string& message :
                 ValidateRecord(functions.SelectedRecord(), functions.SelectedQuery())) {
                lines.push_back(res::Format(res::TextCp932(res::ids::kPlaceInGroup),
                                            res::TextCp932(setTabIds[i]).c_str(), groupName.c_str(),
                                            message.c_str()));
            }
        }
    }
}

void PlacedProblems::Add(int tabId, const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        lines.push_back(res::Format(res::TextCp932(res::ids::kPlaceInTab),
                                    res::TextCp932(tabId).c_str(), message.c_str()));
    }
}

bool SetsWithinLimits(std::span<const FunctionSet> sets) {
    for (const FunctionSet& set : sets) {
        for (const GroupFunctions* group : {&set.docomo, &set.other}) {
            if (CountPage(*group, group->selected).over) {
                return false;
            }
        }
    }
    return true;
}

bool MiniWriteButtonsEnabled(const MiniSettings& settings) {
    return SetsWithinLimits(settings.sets);
}

void CopyMiniSet(int fromSet, MiniSettings& settings, MiniLampChoices& choices) {
    const std::size_t from = fromSet == 0 ? 0 : 1;
    const std::size_t to = 1 - from;
    settings.sets[to] = settings.sets[from];
    settings.lamps.sets[to] = settings.lamps.sets[from];
    choices.sets[to] = choices.sets[from];
    for (std::size_t row = 0; row < kGuidanceRowsPerSet; ++row) {
        settings.lamps.guidance[to * kGuidanceRowsPerSet + row] =
            settings.lamps.guidance[from * kGuidanceRowsPerSet + row];
        choices.guidance[to * kGuidanceRowsPerSet + row] =
            choices.guidance[from * kGuidanceRowsPerSet + row];
    }
    for (std::size_t slot = 0; slot < kSoundSlotsPerSet; ++slot) {
        settings.soundPaths[to * kSoundSlotsPerSet + slot] =
            settings.soundPaths[from * kSoundSlotsPerSet + slot];
    }
}

int MiniSoundNoteId(const MiniSettings& settings) {
    return settings.registerSounds ? res::ids::kSoundWillRegisterNote
                                   : res::ids::kSoundNotRegisteredNote;
}

}  // namespace morvik
