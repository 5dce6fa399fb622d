// morvik service: サービス設定 (かんたん設定 with an encrypted query, starting from the
// preferences' service URL and message).

#include "cli/CliCommand.h"
#include "cli/CliQuickWrite.h"
#include "cli/CliStringIds.h"

namespace morvik::cli {
namespace {

int RunService(CliContext& context, std::vector<std::string>& args) {
    return RunQuickWrite(context, args, QuickWindow::Service);
}

const CliCommandRegistration kService({"service", ids::kServiceSummary, ids::kServiceHelp,
                                       RunService});

}  // namespace
}  // namespace morvik::cli
