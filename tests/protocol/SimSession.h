#pragma once
// A simulated terminal and a CTerminal connected to it through the real serial code, with the
// preferences folder pointed at a temporary folder of the test's own.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "protocol/RecordingReporter.h"
#include "protocol/Terminal.h"
#include "support/SimProcess.h"

namespace morvik::test {

class SimSession {
  public:
    explicit SimSession(const std::string& edition, std::vector<std::string> args = {}) {
        ::setenv("MORVIK_CONFIG_DIR", config_.path().c_str(), 1);
        sim_ = std::make_unique<SimProcess>(
            SimOptions{.edition = edition,
                       .args = std::move(args),
                       .env = {{"MORVIK_CONFIG_DIR", config_.path()}}});
        terminal_.SetDevicePath(sim_->DevicePath());
    }

    CTerminal& Terminal() { return terminal_; }
    RecordingReporter& Reporter() { return reporter_; }
    SimProcess& Sim() { return *sim_; }

    // Connects and opens a session; a failure fails the test.
    void Open() {
        ASSERT_TRUE(terminal_.Connect(false));
        ASSERT_TRUE(terminal_.OpenSession());
    }

    bool Logged(const std::string& line) const {
        const auto lines = sim_->LogLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The log lines that are not wake-up lines (empty).
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const std::string& line : sim_->LogLines()) {
            if (!line.empty()) {
                out.push_back(line);
            }
        }
        return out;
    }

  private:
    TempDir config_;
    std::unique_ptr<SimProcess> sim_;
    RecordingReporter reporter_;
    CTerminal terminal_{reporter_};
};

}  // namespace morvik::test
