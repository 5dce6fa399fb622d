#pragma once
// What every Mini-family write session (detailed, and easy/service, of each edition) shares: the
// sound upload, one confirmed exchange per parameter, the MiniSx's NDEF write, the optional clock
// setting and the applying reboot.
//
// The caller connects and opens the command session before the session starts and disconnects
// once it has finished. Each session first checks that the terminal is of its edition
// (CSessionWorker::CheckTerminalEdition) and writes nothing to any other. A write that completes
// ends with "reboot" (the terminal applies what it was given). A write that fails or is cancelled
// stops at once: nothing further is sent, no clock is set and no reboot; the caller shows the error
// text and then sends "reboot s" so that the terminal leaves command mode without applying anything
// further (EndMiniWrite below).

#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/MiniSettings.h"
#include "model/MiniSxAdditions.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

// Range of a write's progress bar before any sound is counted.
inline constexpr int kMiniWriteRange = 42;

class CMiniWriteFrame : public CSessionWorker {
  public:
    // The 150 ms tick of a progress window while a detailed write uploads its sounds: moves the
    // bar to sent × n × 2 ÷ total, n being the number of sounds (no effect at other times).
    void UpdateUploadProgress();
    // True while the sound data is being sent.
    bool Uploading() const { return uploading_.load(std::memory_order_acquire); }
    // Once finished: "reboot s" when the write did not complete and the port is still open
    // (EndMiniWrite on this session's terminal).
    void LeaveTerminalIfUnfinished();

  protected:
    CMiniWriteFrame(CTerminal& terminal, bool setClock);

    CTerminal& Terminal() { return terminal_; }

    // Uploads an image. With progressSteps > 0 the bar moves over that many steps while it is
    // sent (the detailed write: two per sound) and stands at their end afterwards. False, with
    // the session failed and its error text set, when the upload did not succeed.
    bool UploadImage(std::span<const std::uint8_t> image, int progressSteps);

    // Sends each value ("pset", or "pclr" for an empty value), advancing the bar by one after
    // each confirmed one. False, with the session failed, at the first one that is not.
    bool SendValues(std::span<const MiniKeyValue> values);

    // The NDEF write ("ndef s <query> <url>", confirmed by the terminal's upper-case checksum of
    // the URL, "(382)" when it does not match), one step of the bar. False, with the session
    // failed, when it is not confirmed.
    bool SendNdefWrite(const MiniSxNfcSettings& nfc);

    // The clock (when asked for), the bar at its maximum, "reboot", completion. A "reboot" that
    // cannot be sent fails the session with 2950: the values are written but not applied.
    void FinishWrite();

    // True (with the session failed, without a text) when the poller asked to stop.
    bool StopIfCancelled();

  private:
    // Classifies a write's reply: fails the session with the text that names key, or moves the
    // bar one step.
    bool Confirm(const std::string& reply, const std::string& key);

    CTerminal& terminal_;
    bool setClock_;
    // Where the bar stands, counted by the worker alone: the upload tick may write the shared
    // position meanwhile, and every step puts it back where the worker has got to.
    int steps_ = 0;
    std::atomic<bool> uploading_{false};
    std::atomic<int> uploadSteps_{0};
    std::atomic<std::size_t> uploadSize_{0};
};

// What the caller of a write session does once it has finished (and shown the outcome): after a
// failed or cancelled write, "reboot s", so that the terminal applies nothing further. A
// completed write has rebooted the terminal already, and a refused terminal has been left.
void EndMiniWrite(CTerminal& terminal, const CSessionWorker& session);

}  // namespace morvik
