#pragma once
// Helpers shared by every test program: temporary folders, a simulated terminal (morvik-sim) on
// its own pseudo-terminal, and running a command-line program with captured output.
//
//   morvik::test::SimProcess sim(morvik::test::SimOptionsFor("minisx", {"--fault", "no-nak"}));
//   // open sim.DevicePath() with the serial code under test ...
//   EXPECT_THAT(sim.LogLines(), Contains("pset rslt 0"));
//
// Every simulator gets its own TempDir holding its state file ("state") and its log ("log"); the
// log has one line per line the terminal received and one "[...]" line per transfer, in order.
// Unless the test (or its environment) names MORVIK_CONFIG_DIR, the simulator gets the folder
// "config" in that TempDir, so "--com N" links never reach the real ~/.config.

#include <sys/types.h>

#include <chrono>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace morvik::test {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it on destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // The path of a file (or folder) named name inside this folder; nothing is created.
    std::string File(const std::string& name) const;

  private:
    std::string path_;
};

struct SimOptions {
    // An aggregate: spell every field ({.edition = ..., .args = ..., .env = ...}), or use
    // SimOptionsFor() below; brace forms that leave fields out trip -Wmissing-field-initializers.
    std::string edition = "mini";   // slim, mini, minis or minisx
    std::vector<std::string> args;  // further morvik-sim options, e.g. {"--fault", "no-reply"}
    std::map<std::string, std::string> env;  // extra environment (e.g. MORVIK_CONFIG_DIR)
};

// SimOptions without spelling every field: SimProcess sim(SimOptionsFor("minisx", {"--fault",
// "no-nak"}));
inline SimOptions SimOptionsFor(std::string edition, std::vector<std::string> args = {},
                                std::map<std::string, std::string> env = {}) {
    return {.edition = std::move(edition), .args = std::move(args), .env = std::move(env)};
}

// Starts $MORVIK_SIM, waits for the device line it prints, and stops it on destruction.
// Throws std::runtime_error when the simulator cannot be started. The simulator also ends when
// the thread that started it ends (or the test program dies), so start it on the thread that
// uses it.
class SimProcess {
  public:
    explicit SimProcess(SimOptions options = {});
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // The pseudo-terminal's device path (what the tool opens).
    const std::string& DevicePath() const { return device_; }
    // What the terminal received, in order: one entry per line, "[...]" entries for transfers.
    std::vector<std::string> LogLines() const;
    // Waits until the log holds a line equal to line; false after timeout (a ceiling that only
    // a hung test reaches).
    bool WaitForLogLine(const std::string& line,
                        std::chrono::milliseconds timeout = std::chrono::seconds(60)) const;
    const std::string& StatePath() const { return statePath_; }
    const std::string& LogPath() const { return logPath_; }
    const TempDir& Dir() const { return dir_; }
    // The stored value of a parameter as the state file holds it (code page 932 bytes, escaped
    // as received); empty when the key is unknown or cleared.
    std::string StateValue(const std::string& key) const;

    // The terminal's boot counter as its state file holds it: it grows by one when a restart is
    // over (-1 when the file cannot be read).
    long Boot() const;
    // Waits until the boot counter has reached boot: the restart that counts it is over.
    bool WaitForBoot(long boot, std::chrono::milliseconds timeout = std::chrono::seconds(60)) const;

    void Stop();  // SIGTERM and wait
    bool Running() const;
    // The exit status after Stop() or after the simulator ended by itself (-1 while running).
    int ExitCode() const;

  private:
    TempDir dir_;
    std::string statePath_;
    std::string logPath_;
    std::string device_;
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    mutable int exitCode_ = -1;
};

struct RunResult {
    int exitCode = -1;  // the program's exit code, 128 + signal number when killed by a signal
    std::string out;
    std::string err;
    bool timedOut = false;
};

// Runs argv[0] (a path) with the given arguments, feeding stdinText on standard input, with env
// added to (or replacing entries of) the current environment. Kills it after timeout.
RunResult RunProgram(const std::vector<std::string>& argv, const std::string& stdinText = "",
                     const std::map<std::string, std::string>& env = {},
                     std::chrono::seconds timeout = std::chrono::seconds(120));

// The value of an environment variable; throws std::runtime_error when it is not set.
std::string RequiredEnv(const char* name);

}  // namespace morvik::test
