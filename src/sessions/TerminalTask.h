#pragma once
// A piece of the main window's work on a terminal (its identification, the clock, the erasure of
// the detection log, the edition check before a window of its own) run on a worker thread, the way
// the sessions run: the window that waits for it goes on painting, and its progress window's
// キャンセル can end it. A cancel ends the exchange that is running at its next poll, as no reply;
// the work's own handling of a failure then ends it, and whatever it would report after the
// cancel (a failed connection, a question) is not shown: the operator chose to stop.
//
//   bool read = false;
//   CTerminalTask task(terminal, [&] { read = terminal.ReadDeviceInformation(info); });
//   CProgressDlg progress(task, window);  // with its キャンセル button
//   progress.exec();

#include <functional>

#include "protocol/Terminal.h"
#include "sessions/SessionWorker.h"

namespace morvik {

class CTerminalTask : public CSessionWorker {
  public:
    CTerminalTask(CTerminal& terminal, std::function<void()> work);
    ~CTerminalTask() override;

  protected:
    void Run() override;

  private:
    CTerminal& terminal_;
    std::function<void()> work_;
};

}  // namespace morvik
