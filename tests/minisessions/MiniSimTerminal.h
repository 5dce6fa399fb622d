#pragma once
// A simulated Mini (or MiniS) on its pseudo-terminal and a CTerminal in an open command session
// with it, through the real serial and exchange code, as the sessions find the port.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "protocol/ProtocolTexts.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"
#include "support/SimProcess.h"

namespace morvik::test {

class MiniSimTerminal {
  public:
    // args: further simulator options ("--param", "isc=...", "--fault", "bad-token=lnv1").
    explicit MiniSimTerminal(std::vector<std::string> args = {}, std::string edition = "mini")
        : sim_(std::make_unique<SimProcess>(SimOptionsFor(
              std::move(edition), std::move(args), {{"MORVIK_CONFIG_DIR", config_.path()}}))) {
        terminal_.SetDevicePath(sim_->DevicePath());
    }

    // Connects and opens the command session; false when either failed. The lines the terminal
    // receives from here on are the session's (SessionLines).
    bool Open() {
        if (!terminal_.Connect(true) || !terminal_.OpenSession()) {
            return false;
        }
        opened_ = sim_->LogLines().size();
        return true;
    }

    CTerminal& Terminal() { return terminal_; }
    SimProcess& Sim() { return *sim_; }

    // The lines received after the session was opened, once the last one expected has arrived
    // (lines sent without awaiting an answer may still be on their way).
    std::vector<std::string> SessionLines(const std::string& last) const {
        sim_->WaitForLogLine(last);
        const std::vector<std::string> lines = sim_->LogLines();
        return std::vector<std::string>(lines.begin() + static_cast<long>(opened_), lines.end());
    }

    // Runs a session on its own thread, as a progress window does, and waits for its end.
    static void RunToEnd(CSessionWorker& session) {
        session.Start();
        session.Join();
    }

  private:
    TempDir config_;
    std::unique_ptr<SimProcess> sim_;
    CSilentReporter reporter_;
    CTerminal terminal_{reporter_};
    std::size_t opened_ = 0;
};

// The lines of a list that start with a prefix ("pset ", "pclr "), in order.
inline std::vector<std::string> WithPrefix(const std::vector<std::string>& lines,
                                           const std::string& prefix) {
    std::vector<std::string> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [&prefix](const std::string& line) { return line.starts_with(prefix); });
    return out;
}

// The key of a "pset key value" or "pclr key" line.
inline std::string KeyOf(const std::string& line) {
    const std::size_t first = line.find(' ');
    const std::size_t second = line.find(' ', first + 1);
    return line.substr(first + 1,
                       second == std::string::npos ? std::string::npos : second - first - 1);
}

}  // namespace morvik::test
