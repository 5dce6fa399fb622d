// morvik firmware IMAGE.x: ファームウェアの更新. The same steps as the desktop dialog: the image
// is checked for the connected edition, the operator switches the terminal off and on while the
// update-mode trigger runs, the image is sent, and the restarted terminal must report the
// image's version.

#include <charconv>
#include <chrono>
#include <optional>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/CliContext.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliProgress.h"
#include "cli/CliStringIds.h"
#include "files/FirmwareImage.h"
#include "res/StringIds.h"
#include "sessions/FirmwareTrigger.h"
#include "sessions/FirmwareUpdate.h"

namespace morvik::cli {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr int kDefaultWaitSeconds = 60;
constexpr int kMaxWaitSeconds = 3600;
// The port's read constant while the dialog's steps run, as the desktop dialog sets it.
constexpr uint32_t kUpdateReadConstantMs = 400;
constexpr milliseconds kPoll{100};

constexpr std::string_view kWait = "--wait";

// The --wait value in seconds; nothing (with a message) for a bad value.
std::optional<int> WaitSeconds(const CliArguments& args) {
    const std::optional<std::string> value = args.Value(kWait);
    if (!value) {
        return kDefaultWaitSeconds;
    }
    int number = 0;
    const char* end = value->data() + value->size();
    auto [stop, error] = std::from_chars(value->data(), end, number);
    if (value->empty() || error != std::errc() || stop != end || number < 1 ||
        number > kMaxWaitSeconds) {
        PrintError(FormatText(ids::kBadWaitTime, *value));
        return std::nullopt;
    }
    return number;
}

std::string StepText(int step, bool miniFamily) {
    return Text(FirmwareStepTextId(step, miniFamily));
}

// Step 1: the trigger runs until the terminal answers from its loader or the time is up.
bool WaitForUpdateMode(CSerialCommAPI& port, const CommTimeouts& saved, int waitSeconds) {
    CFirmwareTrigger trigger(port, saved);
    trigger.Start();
    const auto deadline = std::chrono::steady_clock::now() + seconds(waitSeconds);
    while (!trigger.Finished() && !Interrupted() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPoll);
    }
    trigger.Stop();
    port.SetTimeouts(saved);
    return trigger.TerminalInUpdateMode();
}

int SendAndVerify(CTerminal& terminal, const std::string& path, const FirmwareImageCheck& image) {
    CFirmwareUpdateWorker worker(terminal, path, image.version, image.dataLength);
    worker.Start();
    {
        CliProgress progress(Text(ids::kFirmwareProgress));
        while (!worker.Finished()) {
            if (!worker.Verifying()) {
                progress.Show(worker.SentBytes(), image.dataLength);
            }
            std::this_thread::sleep_for(kPoll);
        }
        if (worker.Outcome() != FirmwareOutcome::kSendFailed) {
            progress.Show(image.dataLength, image.dataLength);
        }
    }
    worker.Join();
    if (worker.TerminalReached()) {
        PrintOut(FormatText(ids::kReportedVersion, ForScreen(worker.ReportedVersion())));
    }
    switch (worker.Outcome()) {
        case FirmwareOutcome::kUpdated:
            PrintOut(StepText(kFirmwareStepUpdated, true));
            return kExitOk;
        case FirmwareOutcome::kSendFailed:
            PrintError(StepText(kFirmwareStepSendFailed, true));
            return kExitFailure;
        default:
            PrintError(StepText(kFirmwareStepNotVerified, true));
            return kExitFailure;
    }
}

int RunFirmware(CliContext& context, const CliArguments& args) {
    const std::optional<int> wait = WaitSeconds(args);
    if (!wait) {
        return kExitUsage;
    }
    const int waitSeconds = *wait;
    const std::string& path = args.Operand(0);

    // An interrupt before the image is on its way cancels the update (the step-93 text); once
    // the image is being sent it is not stopped: the terminal's firmware would be half written.
    InterruptGuard interrupt;
    CTerminal& terminal = context.Terminal();
    const EditionCode code = terminal.DetectEdition(false);
    if (Interrupted()) {
        PrintError(StepText(kFirmwareStepCancelled, code != kEditionSlim));
        return ReportInterrupted();
    }
    if (code == kEditionNone) {
        if (context.Reporter().ErrorsShown() == 0) {
            PrintError(StepText(kFirmwareStepNotVerified, true));
        }
        return kExitFailure;
    }
    const bool miniFamily = code != kEditionSlim;
    FirmwareImageCheck image = CheckFirmwareImage(path, miniFamily);
    if (!image.valid) {
        PrintError(ForScreen(image.outcome));
        return kExitFailure;
    }
    PrintInfo(ForScreen(image.outcome));

    if (!terminal.Connect(false)) {
        return kExitFailure;
    }
    CSerialCommAPI& port = terminal.Port();
    port.SetMode(CSerialCommAPI::kModeSynchronous);
    const CommTimeouts saved = port.GetTimeouts();
    CommTimeouts stepTimeouts = saved;
    stepTimeouts.readTotalConstant = kUpdateReadConstantMs;
    port.SetTimeouts(stepTimeouts);

    // What the operator must do at the terminal is printed even when quiet.
    PrintInfo(StepText(kFirmwareStepStart, miniFamily) + "\n" +
              Text(res::ids::kFirmwareSaveSettingsFirst));
    PrintInstruction(FormatText(miniFamily ? ids::kFirmwareRestartMini : ids::kFirmwareRestartSlim,
                                waitSeconds));
    const bool updateMode = WaitForUpdateMode(port, stepTimeouts, waitSeconds);
    port.SetTimeouts(saved);
    if (Interrupted()) {
        PrintError(StepText(kFirmwareStepCancelled, miniFamily));
        terminal.Disconnect();
        return ReportInterrupted();
    }
    if (!updateMode) {
        PrintError(FormatText(ids::kNoUpdateMode, waitSeconds));
        PrintError(StepText(kFirmwareStepCancelled, miniFamily));
        terminal.Disconnect();
        return kExitFailure;
    }

    // The file may have changed while the operator was busy with the terminal.
    image = CheckFirmwareImage(path, miniFamily);
    if (!image.valid) {
        PrintError(ForScreen(image.outcome));
        PrintError(StepText(kFirmwareStepCancelled, miniFamily));
        terminal.Disconnect();
        return kExitFailure;
    }
    PrintInstruction(StepText(kFirmwareStepSending, miniFamily));
    const int exitCode = SendAndVerify(terminal, path, image);
    terminal.Disconnect();
    return exitCode;
}

const CliCommandRegistration kFirmware(
    {.name = "firmware",
     .summaryId = ids::kFirmwareSummary,
     .helpId = ids::kFirmwareHelp,
     .operands = {{.name = "IMAGE.x", .extension = "x"}},
     .options = {{.name = kWait, .value = "秒", .helpId = ids::kWaitHelp}},
     .run = RunFirmware});

}  // namespace
}  // namespace morvik::cli
