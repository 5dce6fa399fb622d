#pragma once
// The command line of morvik-sim.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim/Edition.h"
#include "sim/Faults.h"
#include "sim/Wire.h"

namespace morvik::sim {

struct SimOptions {
    EditionId edition = EditionId::Mini;
    std::optional<std::string> tid, version;
    std::optional<uint64_t> boot, wdog, touches;
    std::string link;  // symlink the device here
    int com = 0;       // or link it as COMn in the ports folder
    std::string statePath;
    std::string logPath;
    std::optional<uint32_t> dlogRecords;
    std::string dlogFile;
    std::vector<std::pair<std::string, std::string>> params;  // --param KEY=VALUE (UTF-8 given)
    std::optional<std::string> ndef;
    Faults faults;
    LinePacing pacing;
    bool trace = false;
    bool help = false;
};

// Parses argv; false with a message (in the user's words) on bad input.
bool ParseOptions(int argc, char** argv, SimOptions& options, std::string& error);

// The text of --help.
std::string UsageText();

}  // namespace morvik::sim
