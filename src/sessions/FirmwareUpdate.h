#pragma once
// A firmware update: the steps the operator goes through, and the worker that sends the image to
// a terminal in update mode and then checks, by reading the identification of the restarted
// terminal, that it now runs the image's version.
//
// Steps: 0 start, 1 the terminal is asked to enter update mode, 2 choose the image, 3 sending
// and verifying, 4 updated, 5 closed; side exits 91 (the transfer failed), 92 (the terminal did
// not come back with the image's version), 93 (cancelled before anything was sent).

#include <atomic>
#include <cstdint>
#include <string>

#include "protocol/DeviceInfo.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

inline constexpr int kFirmwareStepStart = 0;
inline constexpr int kFirmwareStepEnterUpdateMode = 1;
inline constexpr int kFirmwareStepChooseImage = 2;
inline constexpr int kFirmwareStepSending = 3;
inline constexpr int kFirmwareStepUpdated = 4;
inline constexpr int kFirmwareStepClosed = 5;
// Steps from here on are side exits: "次へ" no longer advances them.
inline constexpr int kFirmwareStepSideExits = 90;
inline constexpr int kFirmwareStepSendFailed = 91;
inline constexpr int kFirmwareStepNotVerified = 92;
inline constexpr int kFirmwareStepCancelled = 93;

// The string-table number of the message text shown at a step (0 for step 5, which shows
// nothing). miniFamily selects the Mini-family wording of step 1.
int FirmwareStepTextId(int step, bool miniFamily);

// How the worker ended.
enum class FirmwareOutcome : int {
    kRunning,
    kUpdated,      // the terminal reports the image's version
    kSendFailed,   // the image did not get across (step 91)
    kNotVerified,  // the terminal did not come back, or with another version (step 92)
};

class CFirmwareUpdateWorker : public CSessionWorker {
  public:
    // terminal: connected, the terminal in update mode. imagePath and imageVersion: an image
    // that passed the image check, and the version text that check found in it.
    CFirmwareUpdateWorker(CTerminal& terminal, std::string imagePath, std::string imageVersion,
                          std::int64_t dataLength);
    ~CFirmwareUpdateWorker() override;

    FirmwareOutcome Outcome() const { return outcome_.load(std::memory_order_acquire); }
    // True once the image is across and the worker waits for the terminal to come back.
    bool Verifying() const { return verifying_.load(std::memory_order_acquire); }
    // The number of image bytes the terminal has acknowledged (the progress bar's position).
    std::int32_t SentBytes() const { return terminal_.Port().SentBytes(); }
    std::int64_t DataLength() const { return dataLength_; }

    // Valid once Finished(): whether the restarted terminal was reached, what it reported (for
    // the main window's information panel) and its version text.
    bool TerminalReached() const { return reached_; }
    const DeviceInfo& Identification() const { return identification_; }
    const std::string& ReportedVersion() const { return identification_.firmwareVersion; }

  protected:
    void Run() override;

  private:
    bool Send();
    bool ReadRestartedTerminal();
    void Finish(FirmwareOutcome outcome);

    CTerminal& terminal_;
    std::string imagePath_;
    std::string imageVersion_;
    std::int64_t dataLength_;
    std::atomic<FirmwareOutcome> outcome_{FirmwareOutcome::kRunning};
    std::atomic<bool> verifying_{false};
    bool reached_ = false;
    DeviceInfo identification_;
};

}  // namespace morvik
