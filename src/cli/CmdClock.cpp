// morvik clock: パソコンの時刻に合わせる.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

int RunClock(CliContext& context, const CliArguments&) {
    if (!context.Terminal().SetTerminalClockFromPc()) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(Text(ids::kClockFailed));
        }
        return kExitFailure;
    }
    return kExitOk;
}

const CliCommandRegistration kClock(
    {.name = "clock", .summaryId = ids::kClockSummary, .helpId = ids::kClockHelp, .run = RunClock});

}  // namespace
}  // namespace morvik::cli
