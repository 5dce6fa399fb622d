#include "sessions/DetectionLogSession.h"

#include <charconv>
#include <chrono>
#include <limits>
#include <span>
#include <thread>

#include "files/DetectionLogCsv.h"
#include "link/BlockTransfer.h"
#include "link/PartialFile.h"
#include "model/TextExtract.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using std::chrono::milliseconds;

constexpr char kCan = 0x18;
constexpr char kCr = '\r';
// Data bytes of a block start after SOH, the block number and its complement.
constexpr std::size_t kBlockDataOffset = 3;
constexpr std::size_t kBlockDataSize = 128;
// A terminal holds far fewer records than this; a larger count is a damaged reply.
constexpr std::int64_t kMaxCount = std::numeric_limits<int>::max();
// The count line may still be on its way when the exchange returns (it is complete at the first
// line end, which may be the echo's): reads of up to this time each, this many times.
constexpr uint32_t kCountReadConstantMs = 200;
constexpr int kCountReads = 10;
// Time for CAN to reach the terminal before the next line.
constexpr milliseconds kAfterCan{10};
// After a failed transfer, time for the terminal's answer to the tidying line before it is
// thrown away.
constexpr milliseconds kAfterTidy{100};

const std::string& CountMarker() {
    return res::TextCp932(ids::kDlogCountMarker);
}

bool HasCount(const std::string& reply) {
    const std::size_t at = reply.find(CountMarker());
    return at != std::string::npos && reply.find("\r\n", at) != std::string::npos;
}

}  // namespace

std::int64_t ParseDetectionLogCount(const std::string& reply) {
    if (!HasCount(reply)) {
        return -1;
    }
    const std::string digits = ValueBetweenMarkers(reply, CountMarker(), "\r\n");
    std::int64_t count = -1;
    const char* end = digits.data() + digits.size();
    auto [stop, error] = std::from_chars(digits.data(), end, count);
    if (digits.empty() || error != std::errc() || stop != end || count < 0 || count > kMaxCount) {
        return -1;
    }
    return count;
}

std::int64_t RequestDetectionLog(CTerminal& terminal) {
    // A quiet plain exchange: complete at the first line end, which it keeps, since the count
    // runs up to a line end. No prompt follows the count.
    std::string reply = terminal.PlainExchange(res::TextCp932(ids::kCmdDlogGet), true);
    if (!HasCount(reply) && reply.find(CountMarker()) == std::string::npos &&
        reply.find_first_not_of("\r\n") != std::string::npos) {
        // Something other than the count (an "error" of a terminal without a log).
        return -1;
    }
    if (!HasCount(reply)) {
        // The exchange ended at the echo's line end; the count line follows.
        CReadConstantScope scope(terminal.Port(), kCountReadConstantMs);
        for (int read = 0; read < kCountReads && !HasCount(reply); ++read) {
            reply += terminal.Port().ReadText(1024);
        }
    }
    return ParseDetectionLogCount(reply);
}

void EndEmptyDetectionLog(CTerminal& terminal) {
    CancelEmptyDetectionLog(terminal);
    LeaveEmptyDetectionLog(terminal);
}

void CancelEmptyDetectionLog(CTerminal& terminal) {
    const char can = kCan;
    terminal.Port().WriteBytes(&can, 1);
    std::this_thread::sleep_for(kAfterCan);
}

void LeaveEmptyDetectionLog(CTerminal& terminal) {
    terminal.SendReboot();
    terminal.Disconnect();
}

bool FileCanBeWritten(const std::string& path) {
    PartialFile probe;
    const bool created = probe.Create(path);
    probe.Discard();
    return created;
}

CDetectionLogWorker::CDetectionLogWorker(CTerminal& terminal, std::string path, std::int64_t count)
    : terminal_(terminal),
      path_(std::move(path)),
      count_(count),
      statusId_(ids::kDetectionLogIntro) {
    SetMaximum(static_cast<int>(count));
}

CDetectionLogWorker::~CDetectionLogWorker() {
    Join();
}

void CDetectionLogWorker::Cancel() {
    RequestCancel();
    terminal_.Port().SetReceiveCancel();
}

void CDetectionLogWorker::Run() {
    statusId_.store(ids::kDetectionLogSaving, std::memory_order_release);
    CSerialCommAPI& port = terminal_.Port();
    const CommTimeouts saved = port.GetTimeouts();
    port.ClearReceiveCancel();
    if (CancelRequested()) {
        port.SetReceiveCancel();
    }

    std::int64_t written = 0;
    const BlockHandler toCsv = [this, &written](const uint8_t* block, int, int) {
        std::string text = DetectionLogBlockToCsv(
            std::span<const uint8_t>(block + kBlockDataOffset, kBlockDataSize), written, count_);
        SetPosition(static_cast<int>(written));
        return text;
    };
    terminal_.Trace().Note("detection log " + path_);
    // A terminal that ends with EOT before the count it announced has not sent the whole log.
    const int result =
        ReceiveFile(port, path_, 0, toCsv, [this, &written] { return written >= count_; });
    if (result == kReceiveShort) {
        terminal_.Trace().Note("detection log ended at record " + std::to_string(written) + " of " +
                               std::to_string(count_));
    }
    terminal_.Trace().Note("detection log result " + std::to_string(result));

    // The error boxes come first (at once: nothing is gained by waiting), the status last.
    if (result == kReceiveCannotCreate) {
        terminal_.Reporter().ShowError(res::TextCp932(ids::kFileOpenFailed));
    } else if (result != kReceiveDone && result != kReceiveFailed && result != kReceiveCancelled) {
        terminal_.Reporter().ShowError(res::TextCp932(ids::kDetectionLogFailed));
    }
    LeaveTransfer(result);
    port.SetTimeouts(saved);
    port.ClearReceiveCancel();
    std::this_thread::sleep_for(kAfterCan);
    terminal_.SendReboot();
    terminal_.Disconnect();

    switch (result) {
        case kReceiveDone:
            Finish(DetectionLogOutcome::kSaved, ids::kDetectionLogSaved);
            break;
        case kReceiveFailed:
            Finish(DetectionLogOutcome::kTimeout, ids::kDetectionLogTimeout);
            break;
        case kReceiveCancelled:
            Finish(DetectionLogOutcome::kCancelled, ids::kDetectionLogCancelled);
            break;
        case kReceiveWriteFailed:
            // Every record may have arrived; the file could not take them (311, not a time-out).
            Finish(DetectionLogOutcome::kFailed, ids::kDetectionLogFailed);
            break;
        case kReceiveDiskFull:
            Finish(DetectionLogOutcome::kDiskFull, ids::kDetectionLogFailed);
            break;
        case kReceiveCannotCreate:
            // The error box has told why; the status says what did not happen.
            Finish(DetectionLogOutcome::kCannotCreate, ids::kDetectionLogFailed);
            break;
        default:
            Finish(DetectionLogOutcome::kFailed, ids::kDetectionLogFailed);
            break;
    }
}

// After a transfer that did not end by EOT the terminal may still be sending (it repeats a block
// up to ten times) or may be back at its command prompt; "reboot s" must reach it in command
// mode either way. CAN ends a transfer at once; the CR after it turns a CAN that arrived in
// command mode into a line of its own, whose "error" is thrown away.
void CDetectionLogWorker::LeaveTransfer(int result) {
    if (result == kReceiveDone || result == kReceiveCancelled) {
        return;  // the terminal is back in command mode (the receiver sent CAN when cancelled)
    }
    CSerialCommAPI& port = terminal_.Port();
    const char can = kCan;
    port.WriteBytes(&can, 1);
    std::this_thread::sleep_for(kAfterCan);
    const char cr = kCr;
    port.WriteBytes(&cr, 1);
    std::this_thread::sleep_for(kAfterTidy);
    port.DiscardInput();
}

void CDetectionLogWorker::Finish(DetectionLogOutcome outcome, int statusId) {
    outcome_.store(outcome, std::memory_order_release);
    statusId_.store(statusId, std::memory_order_release);
    if (outcome == DetectionLogOutcome::kSaved) {
        Complete();
    } else {
        Fail(std::string());
    }
}

}  // namespace morvik
