#pragma once
// How the fault matrix runs the tool's sessions: the session workers in this process, as the
// desktop tool's progress windows run them, or the command-line tool as a program.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "faults/FaultMatrix.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik::faults {

// How a session is framed around its worker.
enum class Frame {
    kWorkerOpens,           // the worker connects and opens the command session itself
    kCallerOpens,           // the caller connects and opens it first (and a failure there ends it)
    kCallerOpensMiniWrite,  // the same, and "reboot s" after a failed or cancelled write
};

// Whether a worker counts as having succeeded (reads: the values were taken).
using SessionJudge = std::function<bool(const CSessionWorker&)>;

CellResult RunSession(const CellContext& context, Frame frame,
                      const std::function<std::unique_ptr<CSessionWorker>(CTerminal&)>& make,
                      const SessionJudge& judge);

// Runs morvik with the given command words against the cell's terminal.
CellResult RunCli(const CellContext& context, const std::vector<std::string>& words);

}  // namespace morvik::faults
