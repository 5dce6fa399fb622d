#pragma once
// morvik fleet: one command of the tool on many terminals at once. Every terminal has a line of
// its own, so the runner gives each port a worker thread that runs exactly what the
// single-terminal command runs there (its registered run function, with a context of its own on
// that port): the same edition check, the same faults, the same ending. Before the command a
// worker reads the terminal's identification, as 機器情報の読み込み does, for the report. What a
// command prints is captured per terminal (CliCapture.h); a terminal that fails does not stop
// the others; an interrupt reaches every command as a single command's does.
//
//   FleetRunner runner(action, options, rows);
//   runner.Start();
//   while (!runner.Finished()) { Draw(runner.Snapshot()); ... }
//   runner.Join();

#include <atomic>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliJson.h"

namespace morvik::cli {

enum class FleetOutcome { kWaiting, kRunning, kSucceeded, kSkipped, kFailed, kInterrupted };

// One terminal of the run: where it is, what it said it is, and how its command ended. Texts are
// UTF-8.
struct FleetRow {
    int port = 0;             // COM number
    std::string cableSerial;  // the cable's USB serial number, when known
    std::string edition;      // "Mini", "MiniS", "MiniSx", "Slim"; empty when not identified
    std::string product;
    std::string version;
    std::string terminalId;
    std::string action;  // the command's name ("write")
    FleetOutcome outcome = FleetOutcome::kWaiting;
    std::string message;  // the command's messages (or its result line on success)
    double seconds = 0;
    std::string step;  // what the command is doing now (its progress bar's label)
    int percent = -1;  // where its bar stands; -1 when it shows none
};

// Something a terminal's command said, for the line-per-event output.
struct FleetEvent {
    int port = 0;
    std::string text;
};

struct FleetAction {
    const CliCommand* command = nullptr;  // the single-terminal command
    // Its options as given (name, and value for those that take one) and its operands.
    std::vector<std::pair<std::string, std::string>> options;
    std::vector<std::string> operands;
    // For commands that save a file per terminal: the operand is a folder, and the file in it is
    // named by the terminal's ID and the date with this extension (".mnt").
    std::string perTerminalExtension;
    // The command opens its session with the settings commands' identification, which names the
    // terminal in its JSON "terminal" (edition, terminalId, productName, firmwareVersion): no
    // look of its own is needed before it.
    bool identifiesItself = false;
};

// The action of the single-terminal command `name` ("write", "dlog get"), without its operands
// and options: dlog get and maint save one file per terminal into the folder their operand names,
// and the settings writes identify the terminal themselves. No command when the name is none.
FleetAction FleetActionFor(std::string_view name);

class FleetRunner {
  public:
    FleetRunner(FleetAction action, GlobalOptions options, std::vector<FleetRow> rows);
    ~FleetRunner();
    FleetRunner(const FleetRunner&) = delete;
    FleetRunner& operator=(const FleetRunner&) = delete;

    // Starts one worker per row.
    void Start();
    bool Finished() const { return running_.load() == 0; }
    void Join();

    // The rows as they stand now.
    std::vector<FleetRow> Snapshot() const;
    // The events since the last call, in order.
    std::vector<FleetEvent> TakeEvents();

    // The file name a terminal's file gets in a folder: its terminal ID (characters a file name
    // cannot hold replaced), "_" and the date as YYYYMMDD, and the extension. "COMn" stands for
    // an empty terminal ID.
    static std::string FileNameFor(const std::string& terminalId, int port, const std::string& date,
                                   const std::string& extension);

  private:
    class Capture;

    void Work(size_t index);
    bool Identify(size_t index, CliContext& context);
    void TakeIdentification(size_t index, const Json& terminal);
    CliArguments ArgumentsFor(size_t index);
    void Update(size_t index, const std::function<void(FleetRow&)>& change);
    void Event(size_t index, const std::string& text);

    FleetAction action_;
    GlobalOptions options_;
    std::string date_;
    mutable std::mutex mutex_;
    std::vector<FleetRow> rows_;
    std::vector<FleetEvent> events_;
    std::set<std::string> fileNames_;  // given out in this run
    std::vector<std::thread> threads_;
    std::atomic<int> running_{0};
};

// The outcome's word for tables and the report ("成功").
std::string FleetOutcomeText(FleetOutcome outcome);
// Its key for the CSV report and JSON ("succeeded").
const char* FleetOutcomeKey(FleetOutcome outcome);

}  // namespace morvik::cli
