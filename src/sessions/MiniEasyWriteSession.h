#pragma once
// The write of the easy and service windows of a Mini/MiniS: the planned sound image (standard
// sounds only), then the four records, both query flags, the sound keys and the lamp keys of the
// plan, each confirmed by the terminal, then "rtc s" when asked for and "reboot". Failures end
// the session as in the detailed write (see MiniWriteFrame.h).

#include "sessions/MiniQuickWrite.h"
#include "sessions/MiniWriteFrame.h"

namespace morvik {

class CMiniEasyWriteSession : public CMiniWriteFrame {
  public:
    // plan: from BuildMiniQuickPlan, without a problem.
    CMiniEasyWriteSession(CTerminal& terminal, MiniQuickPlan plan, bool setClock);
    ~CMiniEasyWriteSession() override;

  protected:
    void Run() override;

  private:
    MiniQuickPlan plan_;
};

}  // namespace morvik
