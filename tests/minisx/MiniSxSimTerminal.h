#pragma once
// A simulated MiniSx on its pseudo-terminal and a CTerminal talking to it through the real serial
// and exchange code, as the MiniSx windows and the command-line tool find the port.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "protocol/ProtocolTexts.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "support/SimProcess.h"

namespace morvik::test {

class MiniSxSimTerminal {
  public:
    // args: further simulator options ("--param", "nfc=3", "--fault", "bad-token=ndef").
    explicit MiniSxSimTerminal(std::vector<std::string> args = {})
        : sim_(std::make_unique<SimProcess>(
              SimOptionsFor("minisx", std::move(args), {{"MORVIK_CONFIG_DIR", config_.path()}}))) {
        terminal_.SetDevicePath(sim_->DevicePath());
        terminal_.SetOpeningLines(Texts::DefaultMiniOpeningLine(), Texts::DefaultSlimOpeningLine());
    }

    // Connects and opens the command session; false when either failed.
    bool Open() { return terminal_.Connect(true) && terminal_.OpenSession(); }

    CTerminal& Terminal() { return terminal_; }
    SimProcess& Sim() { return *sim_; }

    // The lines the terminal received after the last opening line (the session's own lines).
    std::vector<std::string> SessionLines() const {
        const std::vector<std::string> lines = sim_->LogLines();
        const auto open = std::find(lines.rbegin(), lines.rend(), Texts::DefaultMiniOpeningLine());
        if (open == lines.rend()) {
            return {};
        }
        return std::vector<std::string>(open.base(), lines.end());
    }

    // The first word of each session line after "pset"/"pclr", the whole line otherwise.
    std::vector<std::string> SessionSteps() const {
        std::vector<std::string> steps;
        for (const std::string& line : SessionLines()) {
            if (line.starts_with("pset ") || line.starts_with("pclr ")) {
                const std::string rest = line.substr(5);
                steps.push_back(rest.substr(0, rest.find(' ')));
            } else {
                steps.push_back(line);
            }
        }
        return steps;
    }

  private:
    TempDir config_;
    std::unique_ptr<SimProcess> sim_;
    CSilentReporter reporter_;
    CTerminal terminal_{reporter_};
};

}  // namespace morvik::test
