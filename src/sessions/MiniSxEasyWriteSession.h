#pragma once
// The write of the MiniSx easy and service windows: the planned sound image (standard sounds
// only), the four records, both query flags, the sound and lamp keys of the plan, fchg and nfc,
// each confirmed by the terminal, then the NDEF write, "rtc s" when asked for and "reboot".
// Failures end the session as in the detailed write.

#include "sessions/MiniSxQuickWrite.h"
#include "sessions/MiniSxWriteFrame.h"

namespace morvik {

class CMiniSXEasyWriteSession : public CMiniSXWriteFrame {
  public:
    // plan: from BuildMiniSXQuickPlan, without a problem.
    CMiniSXEasyWriteSession(CTerminal& terminal, MiniSXQuickPlan plan, bool setClock);
    ~CMiniSXEasyWriteSession() override;

  protected:
    void Run() override;

  private:
    MiniSXQuickPlan plan_;
};

}  // namespace morvik
