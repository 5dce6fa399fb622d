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
