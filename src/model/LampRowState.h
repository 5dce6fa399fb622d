#pragma once
// One row of a lamp dialog without its widgets: the pattern the row stood at when the dialog
// opened, the two list selections and the pattern they produce. "変更しない" always goes back to
// the pattern the row opened with, whatever was picked in between; the colour list counts only
// for the fixed patterns.

#include <string>

#include "model/LampChoices.h"
#include "model/LampRowChoices.h"

namespace morvik {

class LampRowState {
  public:
    // stored: the pattern the row shows on opening; choice: its stored list selections.
    LampRowState(bool idle, std::string stored, LampRowChoice choice);

    bool Idle() const { return idle_; }
    const std::string& Pattern() const { return pattern_; }
    LampRowChoice Choice() const { return choice_; }
    // True while the pattern list selects a fixed pattern (the colour list is enabled then).
    bool ColourEnabled() const;

    // A list changed: takes the selections and builds the row's pattern from them.
    void Select(LampRowChoice choice, const UserLampPatterns& userPatterns);
    // Builds the pattern again from the current selections (after the user patterns changed).
    void Recompute(const UserLampPatterns& userPatterns);

  private:
    bool idle_;
    std::string stored_;
    LampRowChoice choice_;
    std::string pattern_;
};

}  // namespace morvik
