// morvik dlog erase: 検出ログの消去 (Mini and MiniS only). Asks first unless --yes.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "protocol/ProtocolTexts.h"

namespace morvik::cli {
namespace {

int RunDlogErase(CliContext& context, std::vector<std::string>& args) {
    const bool yes = TakeFlag(args, "--yes");
    if (!NoArgumentsLeft(args)) {
        return kExitUsage;
    }
    if (!yes && !context.Reporter().Ask(Texts::EraseLogCaption(), Texts::EraseLogQuestion())) {
        PrintError(Text(ids::kDlogEraseCancelled));
        return kExitFailure;
    }
    if (!context.Terminal().EraseDetectionLog(false)) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(Text(ids::kDlogEraseFailed));
        }
        return kExitFailure;
    }
    return kExitOk;
}

const CliCommandRegistration kDlogErase({"dlog erase", ids::kDlogEraseSummary, ids::kDlogEraseHelp,
                                         RunDlogErase});

}  // namespace
}  // namespace morvik::cli
