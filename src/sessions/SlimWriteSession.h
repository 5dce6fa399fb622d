#pragma once
// The Slim write session: sends an editor state to a terminal. After asking for the version it
// sets disp, func, the records of the function and que, each confirmed by the terminal; 機能1
// sends no psh2, so a psh2 from an earlier function stays on the terminal untouched.
//
// The first reply that is not a success ends the session with its error text (903, 905, or 964
// followed by the setting's code such as "(213)"); what was sent before stays on the terminal.

#include "model/SlimSettings.h"
#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

class CSlimWriteSession : public CSessionWorker {
  public:
    // terminal: connected, its command session open, identified as a Slim. state: validated by
    // the caller (ValidateSlimEditorState). The caller ends the exchange afterwards.
    CSlimWriteSession(CTerminal& terminal, const SlimEditorState& state);
    ~CSlimWriteSession() override;

  protected:
    void Run() override;

  private:
    CTerminal& terminal_;
    SlimEditorState state_;
};

}  // namespace morvik
