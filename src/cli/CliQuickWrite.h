#pragma once
// morvik easy and morvik service: the easy window (かんたん設定) and the service window
// (サービス設定) on the command line. Both take the same options; the service window appends an
// encrypted query, has smaller limits and starts from the preferences' service URL and message.

#include <string>
#include <vector>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "sessions/MiniQuickWrite.h"

namespace morvik::cli {

// The options of the command of the window (the service window's include the Slim ones).
std::vector<CliOption> QuickWriteOptionDeclarations(QuickWindow window);

int RunQuickWrite(CliContext& context, const CliArguments& args, QuickWindow window);

}  // namespace morvik::cli
