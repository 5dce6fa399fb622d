#include "sessions/FirmwareTrigger.h"

#include <string>

namespace morvik {
namespace {

// 0x08 is what the loader listens for; the loader reads four bytes at a time, so the trigger is
// written as one four-byte write with the rest left zero (the loader ignores those bytes).
constexpr uint8_t kTrigger[4] = {0x08, 0x00, 0x00, 0x00};
constexpr char kNak = 0x15;
// Each round waits this long for the loader's NAK before the trigger goes out again: short
// enough to catch the moment of switching on, long enough for a USB adapter's latency.
constexpr uint32_t kTriggerReadConstantMs = 400;
constexpr size_t kReadSize = 1024;

}  // namespace

CFirmwareTrigger::CFirmwareTrigger(CSerialCommAPI& port, const CommTimeouts& timeouts)
    : port_(port), timeouts_(timeouts) {
    SetMaximum(0);
}

CFirmwareTrigger::~CFirmwareTrigger() {
    Stop();
}

void CFirmwareTrigger::Stop() {
    RequestCancel();
    Join();
}

void CFirmwareTrigger::Run() {
    const CommTimeouts found = port_.GetTimeouts();
    CommTimeouts t = timeouts_;
    t.readTotalConstant = kTriggerReadConstantMs;
    port_.SetTimeouts(t);
    while (!CancelRequested()) {
        if (!port_.WriteBytes(kTrigger, sizeof kTrigger)) {
            // The port is gone (cable pulled): nothing more to do here; the transfer that
            // follows reports the failure.
            Fail(std::string());
            break;
        }
        const std::string text = port_.ReadText(kReadSize);
        if (!text.empty() && text[0] == kNak) {
            Complete();
            break;
        }
    }
    port_.SetTimeouts(found);
}

}  // namespace morvik
