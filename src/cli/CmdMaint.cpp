// morvik maint FILE.mnt: メインテナンス情報の保存.

#include <chrono>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "cli/CliStringIds.h"
#include "link/PartialFile.h"
#include "res/StringIds.h"
#include "sessions/MaintenanceSave.h"

namespace morvik::cli {
namespace {

constexpr std::chrono::milliseconds kPoll{100};

int RunMaint(CliContext& context, const CliArguments& args) {
    const std::string& path = args.Operand(0);

    InterruptGuard interrupt;
    // A file that cannot be saved is refused before the terminal is reached at all.
    if (!PartialFile::CanCreate(path)) {
        context.Reporter().ShowError(res::TextCp932(res::ids::kFileOpenFailed));
        return kExitFailure;
    }
    CMaintenanceWorker worker(context.Terminal(), path);
    PrintInfo(Text(res::ids::kMaintenanceSaving));
    worker.Start();
    {
        CliProgress progress(Text(ids::kMaintProgress));
        while (!worker.Finished()) {
            if (Interrupted()) {
                // The worker stops between two commands, restarts the terminal and writes no file.
                worker.RequestCancel();
            }
            progress.Show(worker.Position(), worker.Maximum());
            std::this_thread::sleep_for(kPoll);
        }
        if (worker.Completed()) {
            progress.Show(1, 1);
        }
    }
    worker.Join();
    if (Interrupted() && worker.Outcome() != MaintenanceOutcome::kSaved) {
        return ReportInterrupted();
    }
    switch (worker.Outcome()) {
        case MaintenanceOutcome::kSaved:
            PrintOut(Text(res::ids::kMaintenanceSaved));
            return kExitOk;
        case MaintenanceOutcome::kTimeout:
            PrintError(Text(res::ids::kMaintenanceTimeout));
            return kExitFailure;
        case MaintenanceOutcome::kNoConnection:
        case MaintenanceOutcome::kFileFailed:
            return kExitFailure;  // the connection or file message has been shown
        default:
            PrintError(Text(res::ids::kMaintenanceCancelled));
            return kExitFailure;
    }
}

const CliCommandRegistration kMaint({.name = "maint",
                                     .summaryId = ids::kMaintSummary,
                                     .helpId = ids::kMaintHelp,
                                     .operands = {{.name = "FILE.mnt", .extension = "mnt"}},
                                     .run = RunMaint});

}  // namespace
}  // namespace morvik::cli
