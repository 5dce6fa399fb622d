#pragma once
// The update-mode trigger of a firmware update. A terminal that is switched on while it hears the
// byte 0x08 stays in its firmware loader (update mode) instead of starting its firmware; the
// loader then asks for the image with NAK. The trigger repeats 0x08 until that NAK arrives or
// the operator moves on, so the operator only has to switch the terminal off and on.

#include <cstdint>

#include "link/SerialCommAPI.h"
#include "sessions/SessionWorker.h"

namespace morvik {

class CFirmwareTrigger : public CSessionWorker {
  public:
    // port: open. timeouts: the port's time-outs as saved when the update began; the trigger
    // reads under them with its own read constant and puts back what it found when it ends.
    CFirmwareTrigger(CSerialCommAPI& port, const CommTimeouts& timeouts);
    ~CFirmwareTrigger() override;

    // Stops the trigger (the operator moved on) and waits until the port is free again.
    void Stop();
    // True once the terminal answered with NAK: it is in update mode. Completed() says the same.
    bool TerminalInUpdateMode() const { return Completed(); }

  protected:
    void Run() override;

  private:
    CSerialCommAPI& port_;
    CommTimeouts timeouts_;
};

}  // namespace morvik
