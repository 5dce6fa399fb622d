#pragma once
// The Slim write session: sends an editor state to a terminal. It asks for the version first and
// refuses a terminal that is not a Slim (386; a Mini-family terminal is restarted with
// "reboot s" and nothing is written). Then it sets disp, func, the records of the function and
// que, each confirmed by the terminal; 機能1 sends no psh2, so a psh2 from an earlier function
// stays on the terminal untouched.
//
// The first reply that is not a success ends the session with its error text (903, 905, or 964
// followed by the setting's code such as "(213)"); what was sent before stays on the terminal.

#include "model/SlimSettings.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

class CSlimWriteSession : public CSessionWorker {
  public:
    // terminal: connected, its command session open. state: validated by the caller
    // (ValidateSlimEditorState). The caller ends the exchange afterwards ("exit", unless the
    // session refused the terminal).
    CSlimWriteSession(CTerminal& terminal, const SlimEditorState& state);
    ~CSlimWriteSession() override;

  protected:
    void Run() override;

  private:
    CTerminal& terminal_;
    SlimEditorState state_;
};

}  // namespace morvik
