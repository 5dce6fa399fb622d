#pragma once
// The fixture of the Mini window tests: a main window on a simulated Mini that holds every record
// kind, and its detailed window opened through the chooser.

#include <string>
#include <vector>

#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik::test {

class SeededMiniFixture : public AppFixture {
  protected:
    // extra: further simulator options (faults, say).
    CMiniCustomDlg* OpenOnSeededMini(std::vector<std::string> extra = {}) {
        std::vector<std::string> args = SeedArgs(EveryRecordKind());
        args.insert(args.end(), extra.begin(), extra.end());
        sim_ = &StartSim("mini", args);
        main_ = &Window(sim_->DevicePath());
        return OpenDetailed(*main_);
    }

    SimProcess* sim_ = nullptr;
    CMVKAppDlg* main_ = nullptr;
};

}  // namespace morvik::test
