#pragma once
// The detailed write of a Mini/MiniS terminal: everything the detailed settings window holds.
//
//  1. With 音声を登録する set: the wave files are checked (907 for a file that cannot be read,
//     116 for a missing or unusable one, 339 when they do not fit), packed into one image and
//     uploaded (120 when the terminal does not answer in time, 361 when the transfer fails or
//     the terminal refuses the image); the bar gains two steps per sound. With every slot empty
//     the image holds no sound at all, which empties the terminal's sound memory.
//  2. One "pset" (or "pclr" for an empty value) per parameter, in the order MiniWriteValues
//     gives, each confirmed by the terminal; the first that is not ends the session with 903,
//     905, or 964 followed by the key's code (e.g. "(463)" for lnv1).
//  3. "rtc s" with the PC's time when asked for, then "reboot".
//
// The settings are expected to have passed ValidateMiniSettings (the caller shows its messages
// and does not start a session while there are any).

#include "model/MiniSettings.h"
#include "sessions/MiniWriteFrame.h"

namespace morvik {

class CMiniWriteSession : public CMiniWriteFrame {
  public:
    CMiniWriteSession(CTerminal& terminal, const MiniSettings& settings, bool setClock);
    ~CMiniWriteSession() override;

    // The number of sounds uploaded (0 until the image is packed, and without registration).
    int SoundCount() const { return soundCount_.load(std::memory_order_acquire); }

  protected:
    void Run() override;

  private:
    bool RegisterSounds();

    MiniSettings settings_;
    std::atomic<int> soundCount_{0};
};

}  // namespace morvik
