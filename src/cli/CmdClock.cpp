// morvik clock: パソコンの時刻に合わせる.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

int RunClock(CliContext& context, std::vector<std::string>& args) {
    if (!NoArgumentsLeft(args)) {
        return kExitUsage;
    }
    if (!context.Terminal().SetTerminalClockFromPc()) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(Text(ids::kClockFailed));
        }
        return kExitFailure;
    }
    return kExitOk;
}

const CliCommandRegistration kClock({"clock", ids::kClockSummary, ids::kClockHelp, RunClock});

}  // namespace
}  // namespace morvik::cli
