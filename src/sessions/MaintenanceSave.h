#pragma once
// Saving a terminal's maintenance information: its identification, counters and clock, every
// parameter and its internal log, gathered into one text and stored zlib-compressed as a
// maintenance information file (*.mnt). Works with every edition.
//
// The text, every line ended by CR LF:
//   -----
//   <reply to "ver">
//   -----
//   tcnt <reply>         \  Mini family only
//   ----                  |
//   rtc get <reply>       |
//   ----                 /
//   <name> <reply to "pget name">   for every name the terminal lists (Slim: fixed names)
//   -----
//   <reply to "lget">

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "protocol/Edition.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

// The names a reply to "pget" (without a key) lists: one per line, at most 255.
std::vector<std::string> ParameterNames(const std::string& reply);

// The parameters a Slim is asked for: it has no list of its own.
const std::vector<std::string>& SlimMaintenanceNames();

enum class MaintenanceOutcome : int {
    kRunning,
    kSaved,
    kTimeout,       // the terminal stopped answering
    kCancelled,     // the operator stopped, or the terminal refused a command
    kFileFailed,    // the file could not be written
    kNoConnection,  // no session could be opened (the reporter has said why)
};

class CMaintenanceWorker : public CSessionWorker {
  public:
    // terminal: not connected; the worker connects, opens a session, and restarts the terminal
    // and disconnects when it ends, however it ends. path: written only when complete.
    CMaintenanceWorker(CTerminal& terminal, std::string path);
    ~CMaintenanceWorker() override;

    MaintenanceOutcome Outcome() const { return outcome_.load(std::memory_order_acquire); }
    // The edition found (kEditionNone until the session is open).
    EditionCode Edition() const { return edition_.load(std::memory_order_acquire); }

  protected:
    void Run() override;

  private:
    // Sends one command; the reply without its prompt and ending in CR LF, or nothing when the
    // save must stop (outcome_ then says why).
    std::optional<std::string> Ask(const std::string& command);
    bool Gather(std::string& text);
    bool GatherParameters(std::string& text, bool miniFamily);
    bool Stopped();
    void Finish(MaintenanceOutcome outcome);

    CTerminal& terminal_;
    std::string path_;
    std::atomic<MaintenanceOutcome> outcome_{MaintenanceOutcome::kRunning};
    std::atomic<EditionCode> edition_{kEditionNone};
    MaintenanceOutcome stop_ = MaintenanceOutcome::kRunning;
};

}  // namespace morvik
