#pragma once
// Getting the detection log of a Mini/MiniS terminal into a CSV file: the request for the log
// ("dlog g", answered with the number of records), the end of a request for an empty log, and
// the worker that receives the records as blocks and writes their CSV lines.
//
// The order of a whole retrieval (the desktop dialog and the command line alike):
//   1. the edition is known to be Mini/MiniS; the CSV path is known to be writable;
//   2. connect and open a session, then RequestDetectionLog() for the count;
//   3. count 0: EndEmptyDetectionLog(); otherwise run a CDetectionLogWorker, which restarts the
//      terminal and disconnects when it ends, however it ends.

#include <atomic>
#include <cstdint>
#include <string>

#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

// The count of a reply to "dlog g": the decimal number between "dlog: " and the next CR LF;
// -1 when the reply holds no such number.
std::int64_t ParseDetectionLogCount(const std::string& reply);

// Inside an open session: sends "dlog g" and returns the number of records the terminal is about
// to send, or -1 when no count came back. After a count above 0 the terminal waits for the
// receiver; after 0 it waits for EndEmptyDetectionLog().
std::int64_t RequestDetectionLog(CTerminal& terminal);

// After a count of 0: ends the terminal's transfer with CAN, restarts it and disconnects.
void EndEmptyDetectionLog(CTerminal& terminal);
// The same in two halves, for a caller that shows something in between: the terminal waits for
// CAN about 10 s only, so CAN goes at once (CancelEmptyDetectionLog) and "reboot s" with the
// disconnect whenever the caller is ready (LeaveEmptyDetectionLog).
void CancelEmptyDetectionLog(CTerminal& terminal);
void LeaveEmptyDetectionLog(CTerminal& terminal);

// True when a file can be created at path (in its folder, over an existing file of that name).
// Nothing is left behind and an existing file is not touched.
bool FileCanBeWritten(const std::string& path);

enum class DetectionLogOutcome : int {
    kRunning,
    kSaved,         // every record is in the file
    kTimeout,       // the terminal stopped sending
    kCancelled,     // the operator stopped the transfer
    kCannotCreate,  // the file could not be created
    kDiskFull,      // the file could not take the records: its disk is full
    kFailed,        // anything else
};

class CDetectionLogWorker : public CSessionWorker {
  public:
    // terminal: connected, "dlog g" answered with count (above 0). path: the CSV file, written
    // only when the whole log has arrived.
    CDetectionLogWorker(CTerminal& terminal, std::string path, std::int64_t count);
    ~CDetectionLogWorker() override;

    // Stops the transfer (the terminal gets CAN, the file is not written).
    void Cancel();

    DetectionLogOutcome Outcome() const { return outcome_.load(std::memory_order_acquire); }
    // The string-table number of the dialog's status text (saving, saved, timed out ...).
    int StatusId() const { return statusId_.load(std::memory_order_acquire); }
    // Records received so far (Position()); the count is Maximum().
    int Records() const { return Position(); }

  protected:
    void Run() override;

  private:
    void Finish(DetectionLogOutcome outcome, int statusId);
    void LeaveTransfer(int result);

    CTerminal& terminal_;
    std::string path_;
    std::int64_t count_;
    std::atomic<DetectionLogOutcome> outcome_{DetectionLogOutcome::kRunning};
    std::atomic<int> statusId_;
};

}  // namespace morvik
