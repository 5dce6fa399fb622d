#pragma once
// The detailed write of a Mini-family terminal: everything its detailed settings window holds.
// Edition is MiniEdition or MiniSxEdition (model/MiniFamilyEdition.h); CMiniWriteSession and
// CMiniSxWriteSession name the two.
//
//  1. With 音声を登録する set: the wave files are checked (907 for a file that cannot be read,
//     116 for a missing or unusable one, 339 when they do not fit), packed into one image and
//     uploaded (120 when the terminal does not answer in time, 361 when the transfer fails or
//     the terminal refuses the image); the bar gains two steps per sound. With every slot empty
//     the image holds no sound at all, which empties the terminal's sound memory.
//  2. One "pset" (or "pclr" for an empty value) per parameter, in the order of the edition's
//     write values, each confirmed by the terminal:
//      - Mini/MiniS (MiniWriteValues): the terminal page, set 1 and set 2 with their sounds and
//        lamps, periodic guidance and its lamps;
//      - MiniSx (MiniSxWriteValues): rtcc; set 1 with its sounds and lamps; fchg, smp; set 2
//        with the KelTouch completion sounds and lamps; nfc; then the NDEF write ("ndef s", the
//        NFC query and the URL), in every NFC mode. Never rslt, tlog, pow, isc, pnt or pntT.
//     The first value the terminal does not confirm ends the session with 903, 905, or 964
//     followed by the key's code (e.g. "(463)" for lnv1, "(382)" for the NDEF write).
//  3. "rtc s" with the PC's time when asked for, then "reboot".
//
// The settings are expected to have passed the edition's validation (ValidateMiniSettings,
// ValidateMiniSxSettings): the caller shows its messages and does not start a session while
// there are any.

#include <atomic>

#include "model/MiniFamilyEdition.h"
#include "sessions/MiniWriteFrame.h"

namespace morvik {

template <class Edition>
class CMiniFamilyWriteSession : public CMiniWriteFrame {
  public:
    using SettingsType = typename Edition::Settings;

    CMiniFamilyWriteSession(CTerminal& terminal, const SettingsType& settings, bool setClock);
    ~CMiniFamilyWriteSession() override;

    // The number of sounds uploaded (0 until the image is packed, and without registration).
    int SoundCount() const { return soundCount_.load(std::memory_order_acquire); }

  protected:
    void Run() override;

  private:
    bool RegisterSounds();

    SettingsType settings_;
    std::atomic<int> soundCount_{0};
};

extern template class CMiniFamilyWriteSession<MiniEdition>;
extern template class CMiniFamilyWriteSession<MiniSxEdition>;

using CMiniWriteSession = CMiniFamilyWriteSession<MiniEdition>;
using CMiniSxWriteSession = CMiniFamilyWriteSession<MiniSxEdition>;

}  // namespace morvik
