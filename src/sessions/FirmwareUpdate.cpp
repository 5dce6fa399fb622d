#include "sessions/FirmwareUpdate.h"

#include <chrono>
#include <thread>

#include "link/BlockTransfer.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using std::chrono::milliseconds;

// The loader acknowledges a block after writing it to flash: a second per block is what it was
// built to be given.
constexpr uint32_t kSendReadConstantMs = 1000;
// After the last block the loader checks the image and restarts the terminal (about half a
// second); nothing it says before then is of use.
constexpr milliseconds kRestartWait{1000};
// Attempts to reach the restarted terminal; all but the last are quiet, the last one says why
// it failed. Between attempts the port is reopened and given a moment.
constexpr int kReachAttempts = 10;
constexpr milliseconds kReachPause{300};

}  // namespace

int FirmwareStepTextId(int step, bool miniFamily) {
    switch (step) {
        case kFirmwareStepStart:
            return ids::kFirmwareIntro;
        case kFirmwareStepEnterUpdateMode:
            return miniFamily ? ids::kFirmwareRestartMini : ids::kFirmwareRestartSlim;
        case kFirmwareStepChooseImage:
            return ids::kFirmwareWillUpdate;
        case kFirmwareStepSending:
            return ids::kFirmwareUpdating;
        case kFirmwareStepUpdated:
            return ids::kFirmwareUpdated;
        case kFirmwareStepSendFailed:
            return ids::kFirmwareTimeout;
        case kFirmwareStepNotVerified:
            return ids::kFirmwareFailed;
        default:
            return step >= kFirmwareStepCancelled ? ids::kFirmwareCancelled : 0;
    }
}

CFirmwareUpdateWorker::CFirmwareUpdateWorker(CTerminal& terminal, std::string imagePath,
                                             std::string imageVersion, std::int64_t dataLength)
    : terminal_(terminal),
      imagePath_(std::move(imagePath)),
      imageVersion_(std::move(imageVersion)),
      dataLength_(dataLength) {
    SetMaximum(static_cast<int>(dataLength));
}

CFirmwareUpdateWorker::~CFirmwareUpdateWorker() {
    Join();
}

void CFirmwareUpdateWorker::Run() {
    if (!Send()) {
        Finish(FirmwareOutcome::kSendFailed);
        return;
    }
    verifying_.store(true, std::memory_order_release);
    const bool reached = ReadRestartedTerminal();
    reached_ = reached;
    Finish(reached && identification_.firmwareVersion == imageVersion_
               ? FirmwareOutcome::kUpdated
               : FirmwareOutcome::kNotVerified);
}

bool CFirmwareUpdateWorker::Send() {
    CReadConstantScope scope(terminal_.Port(), kSendReadConstantMs);
    terminal_.Trace().Note("firmware " + imagePath_);
    const bool sent = SendFile(terminal_.Port(), imagePath_);
    terminal_.Trace().Note(sent ? "firmware sent" : "firmware transfer failed");
    return sent;
}

bool CFirmwareUpdateWorker::ReadRestartedTerminal() {
    std::this_thread::sleep_for(kRestartWait);
    // The restarted terminal is not met for the first time: no power-saving notice now.
    terminal_.SetFirstCommunication(false);
    for (int attempt = 1; attempt <= kReachAttempts; ++attempt) {
        bool open = false;
        if (attempt < kReachAttempts) {
            open = terminal_.IsConnected() && terminal_.ProbeSession();
        } else {
            open = (terminal_.IsConnected() || terminal_.Connect(true)) && terminal_.OpenSession();
        }
        if (open) {
            identification_ = terminal_.ReadIdentification();
            terminal_.SendReboot();
            terminal_.Disconnect();
            return true;
        }
        if (attempt < kReachAttempts) {
            terminal_.Disconnect();
            terminal_.Connect(true);
        }
        std::this_thread::sleep_for(kReachPause);
    }
    return false;
}

void CFirmwareUpdateWorker::Finish(FirmwareOutcome outcome) {
    outcome_.store(outcome, std::memory_order_release);
    if (outcome == FirmwareOutcome::kUpdated) {
        Complete();
    } else {
        const int step = outcome == FirmwareOutcome::kSendFailed ? kFirmwareStepSendFailed
                                                                 : kFirmwareStepNotVerified;
        Fail(res::TextCp932(FirmwareStepTextId(step, true)));
    }
}

}  // namespace morvik
