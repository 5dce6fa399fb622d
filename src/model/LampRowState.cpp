#include "model/LampRowState.h"

#include <utility>

namespace morvik {

LampRowState::LampRowState(bool idle, std::string stored, LampRowChoice choice)
    : idle_(idle), stored_(std::move(stored)), choice_(choice), pattern_(stored_) {}

bool LampRowState::ColourEnabled() const {
    return IsFixedLampPattern(LampPatternAt(choice_.pattern, idle_));
}

void LampRowState::Select(LampRowChoice choice, const UserLampPatterns& userPatterns) {
    choice_ = choice;
    Recompute(userPatterns);
}

void LampRowState::Recompute(const UserLampPatterns& userPatterns) {
    pattern_ =
        BuildLampPatternFromLists(choice_.colour, choice_.pattern, idle_, stored_, userPatterns);
}

}  // namespace morvik
