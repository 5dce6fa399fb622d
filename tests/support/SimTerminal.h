#pragma once
// A simulated terminal on its pseudo-terminal and a CTerminal talking to it through the real
// serial and exchange code, as the windows and the command-line tool find the port; the
// preferences folder is a temporary folder of its own for as long as it lives.
//
//   SimTerminal mini("mini", {"--fault", "bad-token=lnv1"});
//   ASSERT_TRUE(mini.Open());
//   ... run a session on mini.Terminal() ...
//   EXPECT_EQ(mini.LinesSinceOpen("reboot"), expected);

#include <algorithm>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "protocol/ProtocolTexts.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"
#include "support/RecordingReporter.h"
#include "support/ScopedEnv.h"
#include "support/SimProcess.h"

namespace morvik::test {

class SimTerminal {
  public:
    // edition: slim, mini, minis or minisx; args: further simulator options ("--param",
    // "isc=...", "--fault", "bad-token=lnv1").
    explicit SimTerminal(std::string edition = "mini", std::vector<std::string> args = {})
        : edition_(edition),
          sim_(std::make_unique<SimProcess>(SimOptionsFor(
              std::move(edition), std::move(args), {{"MORVIK_CONFIG_DIR", config_.path()}}))) {
        terminal_.SetDevicePath(sim_->DevicePath());
        terminal_.SetOpeningLines(Texts::DefaultMiniOpeningLine(), Texts::DefaultSlimOpeningLine());
    }

    // Connects and opens the command session; false when either failed. firstCommunication:
    // whether the first-communication notice is due (as on the first session of a program run).
    bool Open(bool firstCommunication = true) {
        if (!terminal_.Connect(firstCommunication) || !terminal_.OpenSession()) {
            return false;
        }
        opened_ = sim_->LogLines().size();
        return true;
    }

    CTerminal& Terminal() { return terminal_; }
    SimProcess& Sim() { return *sim_; }
    RecordingReporter& Reporter() { return reporter_; }
    const TempDir& Config() const { return config_; }

    // Whether the terminal received the line.
    bool Logged(const std::string& line) const {
        const auto lines = sim_->LogLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    // The lines received that are not wake-up lines (empty).
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (const std::string& line : sim_->LogLines()) {
            if (!line.empty()) {
                out.push_back(line);
            }
        }
        return out;
    }
    // The lines received since Open(), once the last one expected has arrived (lines sent
    // without awaiting an answer may still be on their way).
    std::vector<std::string> LinesSinceOpen(const std::string& last) const {
        sim_->WaitForLogLine(last);
        const std::vector<std::string> lines = sim_->LogLines();
        return std::vector<std::string>(lines.begin() + static_cast<long>(opened_), lines.end());
    }
    // The lines received after the last time the terminal received line (none when never).
    std::vector<std::string> LinesAfterLast(const std::string& line) const {
        const std::vector<std::string> lines = sim_->LogLines();
        const auto found = std::find(lines.rbegin(), lines.rend(), line);
        if (found == lines.rend()) {
            return {};
        }
        return std::vector<std::string>(found.base(), lines.end());
    }
    // The lines after the last opening line of the edition's family (the session's own lines).
    std::vector<std::string> SessionLines() const {
        return LinesAfterLast(edition_ == "slim" ? Texts::DefaultSlimOpeningLine()
                                                 : Texts::DefaultMiniOpeningLine());
    }
    // The session's lines, "pset"/"pclr" lines as their key alone.
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

    // Runs a session on its own thread, as a progress window does, and waits for its end.
    static void RunToEnd(CSessionWorker& session) {
        session.Start();
        session.Join();
    }

  private:
    TempDir config_;
    ScopedEnv configEnv_{"MORVIK_CONFIG_DIR", config_.path()};
    std::string edition_;
    std::unique_ptr<SimProcess> sim_;
    RecordingReporter reporter_;
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
