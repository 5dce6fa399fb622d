#pragma once
// Everything the simulated terminal remembers across restarts, and the state file that keeps it
// across runs of the simulator. The file is text, one item per line:
//   version 1.20 | tid T0012345 | boot 3 | wdog 0 | clock_offset -30 | touches 12
//   param <key> <value>      (the value as stored, escaped as received)
//   ndef <text>              (MiniSx NDEF text)
//   dlog <64 hex digits>     (one detection log record)
// In values, bytes below 0x20, 0x7F and "%" are written as %XX.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/DetectionLog.h"
#include "sim/Edition.h"

namespace morvik::sim {

struct SimState {
    std::string version;
    std::string tid = "T0012345";
    uint64_t boot = 1;
    uint64_t wdog = 0;
    int64_t clockOffset = 0;  // seconds between the terminal clock and the PC clock
    uint64_t touches = 0;     // cumulative touch counter
    uint64_t touchesSinceBoot = 0;
    std::map<std::string, std::string> params;
    std::string ndef;
    std::vector<DetectionRecord> detectionLog;

    // A terminal fresh from the factory.
    static SimState Factory(const Edition& edition);
};

// Loads a state file over state (keys outside the edition are ignored). A missing file leaves
// state unchanged and succeeds; a damaged file fails with a message.
bool LoadState(const std::string& path, const Edition& edition, SimState& state,
               std::string& error);

// Writes the state file through a temporary file beside it, so a crash never leaves half a file.
bool SaveState(const std::string& path, const SimState& state, std::string& error);

}  // namespace morvik::sim
