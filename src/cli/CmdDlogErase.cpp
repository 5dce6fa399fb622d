// morvik dlog erase: 検出ログの消去 (Mini and MiniS only). Asks first unless --yes.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "protocol/ProtocolTexts.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kYes = "--yes";

int RunDlogErase(CliContext& context, const CliArguments& args) {
    if (!args.Has(kYes) &&
        !context.Reporter().Ask(Texts::EraseLogCaption(), Texts::EraseLogQuestion())) {
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

const CliCommandRegistration kDlogErase({.name = "dlog erase",
                                         .summaryId = ids::kDlogEraseSummary,
                                         .helpId = ids::kDlogEraseHelp,
                                         .options = {{.name = kYes, .helpId = ids::kYesHelp}},
                                         .run = RunDlogErase});

}  // namespace
}  // namespace morvik::cli
