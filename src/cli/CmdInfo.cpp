// morvik info: 機器情報の読み込み, printed in the clipboard form of 機器情報をコピー. Any question
// the terminal did not answer makes the command fail: a script never takes a half-read panel for
// the terminal's identification.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliSessionRun.h"
#include "cli/CliStringIds.h"
#include "model/ShownText.h"
#include "protocol/DeviceInfo.h"

namespace morvik::cli {
namespace {

Json InfoJson(const DeviceInfo& info, EditionCode edition) {
    return Json{{"edition", EditionCodeName(edition)},
                {"productName", JsonText(info.productName)},
                {"terminalId", JsonText(info.terminalId)},
                {"firmwareVersion", JsonText(info.firmwareVersion)},
                {"bootCounter", JsonText(info.bootCounter)},
                {"touchCounter", JsonText(info.touchCounter)},
                {"clock", JsonText(info.clock)}};
}

int RunInfo(CliContext& context, const CliArguments&) {
    CTerminal& terminal = context.Terminal();
    DeviceInfo info;
    EditionCode edition = kEditionNone;
    if (!terminal.ReadDeviceInformation(info, &edition)) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(Text(ids::kInfoFailed));
        }
        return kExitFailure;
    }
    if (JsonMode()) {
        JsonResult()["terminal"] = InfoJson(info, edition);
        return kExitOk;
    }
    // Every field is the terminal's own text: a line end or escape in one is not printed.
    for (std::string* field : {&info.productName, &info.terminalId, &info.firmwareVersion,
                               &info.bootCounter, &info.touchCounter, &info.clock}) {
        *field = ReplaceControlBytes(*field, false);
    }
    PrintOut(ForScreen(DeviceInfoClipboardText(info)));
    return kExitOk;
}

const CliCommandRegistration kInfo(
    {.name = "info", .summaryId = ids::kInfoSummary, .helpId = ids::kInfoHelp, .run = RunInfo});

}  // namespace
}  // namespace morvik::cli
