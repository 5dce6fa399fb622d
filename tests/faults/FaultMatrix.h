#pragma once
// The fault matrix: every session the tool runs against a terminal, for every edition, under
// every fault the simulated terminal can show. Each cell starts a simulator with one fault, runs
// the session the way the tool runs it (the session workers over the real serial and exchange
// code, or the command-line tool as a program), and then checks the message the operator sees,
// what the terminal was last told (the simulator's log), and the output file: nothing half
// written, and an earlier file of the same name untouched unless the session succeeded.
//
// A session that lands later is one more row in FaultRows.cpp.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/SimProcess.h"

namespace morvik::faults {

enum class Fault {
    kNone,        // the terminal as it should be (the reference column)
    kNoReply,     // answers nothing at all
    kSilentFrom,  // answers nothing from the row's key onward
    kErrorKey,    // answers "error" to the row's key
    kBadToken,    // confirms a write of the row's key with a wrong token
    kNoNak,       // never asks for the blocks of an upload or a firmware image
    kBadBlock,    // sends the first detection log block damaged once
    kDropAck,     // does not acknowledge the first block it receives, once
    kPieces,      // delivers its output in small pieces with pauses
    kVanish,      // closes its line when it receives the row's key
};

const std::vector<Fault>& AllFaults();
std::string FaultName(Fault fault);
// The simulator options that inject the fault (key: the row's key).
std::vector<std::string> FaultArgs(Fault fault, const std::string& key);

// What a session left behind.
struct CellResult {
    bool succeeded = false;
    // Everything the operator was shown (UTF-8): message boxes, the session's error text, or the
    // command-line tool's output.
    std::string shown;
    // What the terminal received, in order (the simulator's log).
    std::vector<std::string> lines;
    // For sessions that write a file: its bytes afterwards (nullopt when there is none), and
    // the names of every file in its folder.
    std::optional<std::string> output;
    std::vector<std::string> folder;
};

// Where a cell runs: the simulated terminal and a folder of its own.
struct CellContext {
    const test::SimProcess& sim;
    const test::TempDir& dir;
    // The output file's path for sessions that write one (it holds kEarlierFile beforehand).
    std::string outputPath;
};

inline const std::string kEarlierFile = "an earlier file of the same name\r\n";

// How the terminal must be left: the last restart ("reboot" or "reboot s") it was told to make
// after the session's last command (a restart before it, such as the edition detection's, does
// not count).
enum class EndLine { kAny, kRebootS, kReboot };

struct Expectation {
    bool succeeds = true;
    // Texts (UTF-8) of which at least one must have been shown; empty: no particular text.
    std::vector<std::string> shown;
    EndLine end = EndLine::kAny;
    // Nothing written after the line of the row's key ("pset", "pclr", "rtc s", "reboot").
    bool nothingAfterKey = false;
    // The session never got as far as a block transfer.
    bool noTransfer = false;
};

struct Row {
    std::string name;                  // edition and session, as the table shows it
    std::string edition;               // simulator edition
    std::string key;                   // the key of the key faults
    std::vector<std::string> simArgs;  // further simulator options
    bool writesFile = false;
    std::function<CellResult(const CellContext&)> run;
    std::function<Expectation(Fault)> expect;
    // Checks of a successful session's output file beyond its existence (empty: none).
    std::function<std::string(const std::string& bytes)> checkOutput;
};

const std::vector<Row>& AllRows();

// Runs one cell and returns what is wrong with it (empty when it passed).
std::vector<std::string> RunCell(const Row& row, Fault fault);

}  // namespace morvik::faults
