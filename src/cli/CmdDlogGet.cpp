// morvik dlog get FILE.csv: 検出ログの取得 (Mini and MiniS only).

#include <chrono>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliJson.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "cli/CliStringIds.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "sessions/DetectionLogSession.h"

namespace morvik::cli {
namespace {

namespace sys = res::ids;
constexpr std::chrono::milliseconds kPoll{100};

const std::string& Cp932(int id) {
    return res::TextCp932(id);
}

int Receive(CTerminal& terminal, const CCliReporter& reporter, const std::string& path,
            std::int64_t count) {
    const int errorsBefore = reporter.ErrorsShown();
    CDetectionLogWorker worker(terminal, path, count);
    PrintInfo(Text(sys::kDetectionLogSaving));
    worker.Start();
    {
        CliProgress progress(Text(ids::kDlogGetProgress));
        bool cancelled = false;
        while (!worker.Finished()) {
            if (Interrupted() && !cancelled) {
                // The worker sends CAN, restarts the terminal and deletes the partial file.
                worker.Cancel();
                cancelled = true;
            }
            progress.Show(worker.Records(), count);
            std::this_thread::sleep_for(kPoll);
        }
        if (worker.Completed()) {
            progress.Show(count, count);
        }
    }
    worker.Join();
    const bool saved = worker.Outcome() == DetectionLogOutcome::kSaved;
    JsonResult()["saved"] = saved;
    if (saved) {
        PrintOut(Text(worker.StatusId()));
        return kExitOk;
    }
    if (Interrupted()) {
        return ReportInterrupted();
    }
    // The worker's error box has said what failed; the status says it again only when none came.
    if (reporter.ErrorsShown() == errorsBefore) {
        PrintError(Text(worker.StatusId()));
    }
    if (worker.Outcome() == DetectionLogOutcome::kDiskFull) {
        PrintError(Text(ids::kDiskFull));
    }
    return kExitFailure;
}

int RunDlogGet(CliContext& context, const CliArguments& args) {
    const std::string& path = args.Operand(0);
    JsonResult()["file"] = path;
    JsonResult()["records"] = nullptr;
    JsonResult()["saved"] = false;

    InterruptGuard interrupt;
    IReporter& reporter = context.Reporter();
    // A file that cannot be saved is refused before the terminal is reached at all.
    if (!FileCanBeWritten(path)) {
        reporter.ShowError(Cp932(sys::kFileOpenFailed));
        return kExitFailure;
    }
    CTerminal& terminal = context.Terminal();
    const EditionCode code = terminal.DetectEdition(false);
    if (Interrupted()) {
        return ReportInterrupted();  // the identification has left the terminal again
    }
    if (code == kEditionNone) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(Text(sys::kDetectionLogFailed));
        }
        return kExitFailure;
    }
    if (code != kEditionMini) {
        reporter.ShowError(Cp932(sys::kMiniNotFound));
        return kExitFailure;
    }
    if (!terminal.Connect(false)) {
        return kExitFailure;
    }
    if (!terminal.OpenSession()) {
        terminal.Disconnect();
        return kExitFailure;
    }
    const std::int64_t count = RequestDetectionLog(terminal);
    if (count >= 0 && Interrupted()) {
        // CAN ends the transfer before it has begun, "reboot s" the session.
        EndEmptyDetectionLog(terminal);
        return ReportInterrupted();
    }
    if (count < 0) {
        reporter.ShowError(Cp932(sys::kDetectionLogFailed));
        terminal.SendReboot();
        terminal.Disconnect();
        return kExitFailure;
    }
    JsonResult()["records"] = count;
    if (count == 0) {
        EndEmptyDetectionLog(terminal);
        reporter.ShowInformation(Cp932(sys::kDetectionLogCaption), Cp932(sys::kDetectionLogEmpty));
        return kExitOk;
    }
    return Receive(terminal, context.Reporter(), path, count);
}

const CliCommandRegistration kDlogGet({.name = "dlog get",
                                       .summaryId = ids::kDlogGetSummary,
                                       .helpId = ids::kDlogGetHelp,
                                       .operands = {{.name = "FILE.csv", .extension = "csv"}},
                                       .run = RunDlogGet});

}  // namespace
}  // namespace morvik::cli
