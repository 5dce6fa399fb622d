// morvik info: 機器情報の読み込み, printed in the clipboard form of 機器情報をコピー.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliOutput.h"
#include "cli/CliStringIds.h"
#include "model/ShownText.h"
#include "protocol/DeviceInfo.h"

namespace morvik::cli {
namespace {

int RunInfo(CliContext& context, std::vector<std::string>& args) {
    if (!NoArgumentsLeft(args)) {
        return kExitUsage;
    }
    CTerminal& terminal = context.Terminal();
    DeviceInfo info;
    if (!terminal.ReadDeviceInformation(info)) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(Text(ids::kInfoFailed));
        }
        return kExitFailure;
    }
    // Every field is the terminal's own text: a line end or escape in one is not printed.
    for (std::string* field : {&info.productName, &info.terminalId, &info.firmwareVersion,
                               &info.bootCounter, &info.touchCounter, &info.clock}) {
        *field = ReplaceControlBytes(*field, false);
    }
    PrintOut(ForScreen(DeviceInfoClipboardText(info)));
    return kExitOk;
}

const CliCommandRegistration kInfo({"info", ids::kInfoSummary, ids::kInfoHelp, RunInfo});

}  // namespace
}  // namespace morvik::cli
