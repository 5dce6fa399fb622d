#pragma once
// What the two MiniSx write sessions add to the Mini write frame: values whose checksum errors
// name the MiniSx's own keys ("(367)" smp, "(368)" nfc), and the NDEF write that ends both
// write orders ("ndef s <query> <url>", confirmed by the terminal's upper-case checksum of the
// URL, "(382)" when it does not match). The sound upload, the clock, the applying reboot and the
// failure rules are the frame's (MiniWriteFrame.h); the caller ends a failed write with
// EndMiniWrite as for the Mini.

#include <span>

#include "model/MiniSxAdditions.h"
#include "sessions/MiniWriteFrame.h"

namespace morvik {

class CMiniSXWriteFrame : public CMiniWriteFrame {
  protected:
    CMiniSXWriteFrame(CTerminal& terminal, bool setClock) : CMiniWriteFrame(terminal, setClock) {}

    // Sends each value ("pset", or "pclr" for an empty one), advancing the bar by one after
    // each confirmed one. False, with the session failed, at the first one that is not.
    bool SendMiniSXValues(std::span<const MiniKeyValue> values);

    // The NDEF write, one step of the bar. False, with the session failed, when not confirmed.
    bool SendNdefWrite(const MiniSXNfcSettings& nfc);

  private:
    // Classifies a write's reply; fails the session with the text that names key, or advances.
    bool Confirm(const std::string& reply, const std::string& key);
};

}  // namespace morvik
