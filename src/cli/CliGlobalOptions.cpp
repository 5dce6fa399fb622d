#include "cli/CliGlobalOptions.h"

#include "cli/CliCommand.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {

const std::vector<CliOption>& GlobalOptionDeclarations() {
    static const std::vector<CliOption> options = {
        {.name = global::kPort,
         .value = "N",
         .helpId = ids::kPortOptionHelp,
         .completion = CliCompletion::kComNumbers},
        {.name = global::kDevice,
         .value = "PATH",
         .helpId = ids::kDeviceOptionHelp,
         .completion = CliCompletion::kDevices},
        {.name = global::kTrace, .helpId = ids::kTraceOptionHelp},
        {.name = global::kQuiet, .helpId = ids::kQuietOptionHelp},
        {.name = global::kJson, .helpId = ids::kJsonOptionHelp},
        {.name = global::kHelp, .shortName = "-h", .helpId = ids::kHelpOptionHelp},
        {.name = global::kVersion, .helpId = ids::kVersionOptionHelp},
        {.name = global::kReference,
         .value = "WHAT",
         .words = {global::kReferenceMan, global::kReferenceCompletion},
         .hidden = true},
    };
    return options;
}

}  // namespace morvik::cli
