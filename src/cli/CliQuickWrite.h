#pragma once
// morvik easy and morvik service: the easy window (かんたん設定) and the service window
// (サービス設定) on the command line. Both take the same options; the service window appends an
// encrypted query, has smaller limits and starts from the preferences' service URL and message.

#include <string>
#include <vector>

#include "cli/CliContext.h"
#include "sessions/MiniQuickWrite.h"

namespace morvik::cli {

int RunQuickWrite(CliContext& context, std::vector<std::string>& args, QuickWindow window);

}  // namespace morvik::cli
