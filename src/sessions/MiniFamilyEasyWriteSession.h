#pragma once
// The write of the easy and service windows of every Mini-family edition: the planned sound
// image (standard sounds only), then the values of the plan (the four records, both query flags,
// the sound and lamp keys, and a MiniSx's fchg and nfc), each confirmed by the terminal, the
// NDEF write of a MiniSx's plan, "rtc s" when asked for and "reboot". Failures end the session as
// in the detailed write (see MiniWriteFrame.h).

#include "sessions/MiniQuickWrite.h"
#include "sessions/MiniSxQuickWrite.h"
#include "sessions/MiniWriteFrame.h"

namespace morvik {

class CMiniFamilyEasyWriteSession : public CMiniWriteFrame {
  public:
    // plan: from BuildMiniQuickPlan or BuildMiniSxQuickPlan, without a problem.
    CMiniFamilyEasyWriteSession(CTerminal& terminal, MiniQuickPlan plan, bool setClock);
    ~CMiniFamilyEasyWriteSession() override;

  protected:
    void Run() override;

  private:
    MiniQuickPlan plan_;
};

}  // namespace morvik
