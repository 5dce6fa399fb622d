#pragma once
// The detailed write of a MiniSx terminal: everything its detailed settings window holds.
//
//  1. With 音声を登録する set: the six wave files are checked (907, 116, 339), packed and
//     uploaded (120, 361); the bar gains two steps per sound.
//  2. One "pset" (or "pclr") per value in the order of MiniSXWriteValues: rtcc; the records and
//     query of set 1 with its sounds and lamps; fchg, smp; set 2 with the KelTouch completion
//     sounds and lamps; nfc. Never rslt, tlog, pow, isc, pnt or pntT.
//  3. The NDEF write ("ndef s", the NFC query and the URL), in every NFC mode.
//  4. "rtc s" with the PC's time when asked for, then "reboot".
// The first value the terminal does not confirm ends the session with 903, 905, or 964 followed
// by the key's code.
//
// The settings are expected to have passed ValidateMiniSXSettings.

#include <atomic>

#include "model/MiniSxSettings.h"
#include "sessions/MiniSxWriteFrame.h"

namespace morvik {

class CMiniSXWriteSession : public CMiniSXWriteFrame {
  public:
    CMiniSXWriteSession(CTerminal& terminal, const MiniSXSettings& settings, bool setClock);
    ~CMiniSXWriteSession() override;

    // The number of sounds uploaded (0 until the image is packed, and without registration).
    int SoundCount() const { return soundCount_.load(std::memory_order_acquire); }

  protected:
    void Run() override;

  private:
    bool RegisterSounds();

    MiniSXSettings settings_;
    std::atomic<int> soundCount_{0};
};

}  // namespace morvik
