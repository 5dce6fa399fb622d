#pragma once
// What a command of the command-line tool works with: the global options, the reporter and the
// one terminal object of the run.

#include <optional>
#include <string>

#include "cli/CliReporter.h"
#include "protocol/Terminal.h"

namespace morvik::cli {

struct GlobalOptions {
    std::optional<int> port;  // --port N
    std::string device;       // --device PATH
    bool trace = false;       // --trace
    std::string tracePrefix;  // before each trace line (a fleet worker's "COM3 ")
    bool quiet = false;       // --quiet
};

class CliContext {
  public:
    explicit CliContext(const GlobalOptions& options);
    // Leaves a terminal that was used the way the desktop tool does when it ends.
    ~CliContext();
    CliContext(const CliContext&) = delete;
    CliContext& operator=(const CliContext&) = delete;

    const GlobalOptions& Options() const { return options_; }
    CCliReporter& Reporter() { return reporter_; }

    // The terminal, its port settled: --device or --port when given, otherwise as the desktop
    // tool starts up: the preferences' port, replaced by the port of the terminal's cable when
    // one is attached.
    CTerminal& Terminal();
    // The port Terminal() will use, for messages ("COM3 (/dev/ttyUSB0)" or a device path).
    std::string PortDescription();
    // Its COM number; nothing with --device.
    std::optional<int> PortNumber();

  private:
    void SettlePort();

    GlobalOptions options_;
    CCliReporter reporter_;
    CTerminal terminal_;
    bool portSettled_ = false;
    bool used_ = false;
};

}  // namespace morvik::cli
