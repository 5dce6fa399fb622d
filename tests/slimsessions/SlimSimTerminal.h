#pragma once
// A simulated Slim on its pseudo-terminal and a CTerminal in an open command session with it,
// through the real serial and exchange code, as the editor's sessions find the port.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "protocol/ProtocolTexts.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "support/SimProcess.h"

namespace morvik::test {

class SlimSimTerminal {
  public:
    // args: further simulator options ("--param", "psh1=...", "--fault", "bad-token=psh1").
    explicit SlimSimTerminal(std::vector<std::string> args = {})
        : sim_(std::make_unique<SimProcess>(
              SimOptionsFor("slim", std::move(args), {{"MORVIK_CONFIG_DIR", config_.path()}}))) {
        terminal_.SetDevicePath(sim_->DevicePath());
        terminal_.SetOpeningLines(Texts::DefaultMiniOpeningLine(), Texts::DefaultSlimOpeningLine());
    }

    // Connects and opens the command session; false when either failed.
    bool Open() { return terminal_.Connect(true) && terminal_.OpenSession(); }

    CTerminal& Terminal() { return terminal_; }
    SimProcess& Sim() { return *sim_; }

    // The lines the terminal received after the last "ver" (the session's own lines).
    std::vector<std::string> LinesAfterVer() const {
        const std::vector<std::string> lines = sim_->LogLines();
        const auto ver = std::find(lines.rbegin(), lines.rend(), "ver");
        if (ver == lines.rend()) {
            return {};
        }
        return std::vector<std::string>(ver.base(), lines.end());
    }

  private:
    TempDir config_;
    std::unique_ptr<SimProcess> sim_;
    CSilentReporter reporter_;
    CTerminal terminal_{reporter_};
};

}  // namespace morvik::test
