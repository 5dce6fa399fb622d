// morvik service: サービス設定 (かんたん設定 with an encrypted query, starting from the
// preferences' service URL and message; on a Slim the Slim service window).

#include "cli/CliCommand.h"
#include "cli/CliQuickWrite.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

int RunService(CliContext& context, const CliArguments& args) {
    return RunQuickWrite(context, args, QuickWindow::Service);
}

const CliCommandRegistration kService(
    {.name = "service",
     .summaryId = ids::kServiceSummary,
     .helpId = ids::kServiceHelp,
     .options = QuickWriteOptionDeclarations(QuickWindow::Service),
     .run = RunService});

}  // namespace
}  // namespace morvik::cli
