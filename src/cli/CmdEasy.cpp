// morvik easy: かんたん設定 (one browser launch for every phone, a sound and a lamp choice).

#include "cli/CliCommand.h"
#include "cli/CliQuickWrite.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

int RunEasy(CliContext& context, std::vector<std::string>& args) {
    return RunQuickWrite(context, args, QuickWindow::Easy);
}

const CliCommandRegistration kEasy({"easy", ids::kEasySummary, ids::kEasyHelp, RunEasy});

}  // namespace
}  // namespace morvik::cli
