// morvik check FILE.dat: loads a device settings file as the settings window would and prints
// every message of the load and every message the window would show before a write, one per
// line on standard output (they are the command's result). The exit code says whether the file
// could be written to a terminal as it stands: `write` obeys the same verdict.

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/SettingsVerdict.h"

namespace morvik::cli {
namespace {

// This command's entries of the command-line tool's string table.
constexpr int kCheckSummary = 3140;
constexpr int kCheckHelp = 3141;

int RunCheck(CliContext&, const CliArguments& args) {
    const std::string& path = args.Operand(0);
    const SettingsVerdict verdict = JudgeSettingsFile(path);
    const std::string edition = EditionName(verdict.edition);
    JsonResult()["file"] = path;
    JsonResult()["edition"] = edition.empty() ? Json(nullptr) : Json(edition);
    JsonResult()["writable"] = verdict.Writable();
    if (verdict.unreadable) {
        PrintError(ForScreen(*verdict.unreadable));
        return kExitFailure;
    }
    for (const std::string& message : verdict.messages) {
        if (JsonMode()) {
            PrintError(ForScreen(message));
        } else {
            PrintOut(ForScreen(message));
        }
    }
    return verdict.Writable() ? kExitOk : kExitFailure;
}

const CliCommandRegistration kCheck({.name = "check",
                                     .summaryId = kCheckSummary,
                                     .helpId = kCheckHelp,
                                     .operands = {{.name = "FILE.dat", .extension = "dat"}},
                                     .run = RunCheck});

}  // namespace
}  // namespace morvik::cli
