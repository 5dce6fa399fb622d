#pragma once
// What morvik fleet shows while it runs. On a terminal: a table with one row per port (COM
// number, edition, terminal ID, step, progress, result), redrawn in place, with what the
// terminals say (an instruction, an error) scrolling above it. Into a file or a pipe: one line
// per event, "COM3: text". At the end a summary table of every terminal.

#include <string>
#include <vector>

#include "cli/FleetRun.h"

namespace morvik::cli {

class FleetView {
  public:
    // live: standard output is a terminal.
    explicit FleetView(bool live) : live_(live) {}

    // The events since the last call and the rows as they stand.
    void Show(const std::vector<FleetRow>& rows, const std::vector<FleetEvent>& events);
    // The summary table, the count line and (on standard error) the terminals that did not
    // succeed.
    void Summary(const std::vector<FleetRow>& rows);

  private:
    bool live_;
    int drawnLines_ = 0;
};

}  // namespace morvik::cli
