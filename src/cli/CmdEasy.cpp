// morvik easy: かんたん設定 (one browser launch for every phone, a sound and a lamp choice).

#include "cli/CliCommand.h"
#include "cli/CliQuickWrite.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

int RunEasy(CliContext& context, const CliArguments& args) {
    return RunQuickWrite(context, args, QuickWindow::Easy);
}

const CliCommandRegistration kEasy({.name = "easy",
                                    .summaryId = ids::kEasySummary,
                                    .helpId = ids::kEasyHelp,
                                    .options = QuickWriteOptionDeclarations(QuickWindow::Easy),
                                    .run = RunEasy});

}  // namespace
}  // namespace morvik::cli
