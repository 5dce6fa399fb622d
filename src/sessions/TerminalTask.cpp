#include "sessions/TerminalTask.h"

namespace morvik {
namespace {

// The terminal's reporter while a task runs: what the work reports goes through, until the task
// is cancelled; after that nothing is shown and a question is answered with Cancel.
class CUntilCancelledReporter : public IReporter {
  public:
    CUntilCancelledReporter(IReporter& reporter, const CSessionWorker& task)
        : reporter_(reporter), task_(task) {}

    void ShowError(const std::string& text) override {
        if (!task_.CancelRequested()) {
            reporter_.ShowError(text);
        }
    }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        if (!task_.CancelRequested()) {
            reporter_.ShowWarning(caption, text);
        }
    }
    void ShowInformation(const std::string& caption, const std::string& text) override {
        if (!task_.CancelRequested()) {
            reporter_.ShowInformation(caption, text);
        }
    }
    bool Ask(const std::string& caption, const std::string& question) override {
        return !task_.CancelRequested() && reporter_.Ask(caption, question);
    }
    void SetBusy(bool busy) override { reporter_.SetBusy(busy); }
    void SetCanClose(bool canClose) override { reporter_.SetCanClose(canClose); }

  private:
    IReporter& reporter_;
    const CSessionWorker& task_;
};

}  // namespace

CTerminalTask::CTerminalTask(CTerminal& terminal, std::function<void()> work)
    : terminal_(terminal), work_(std::move(work)) {
    SetMaximum(1);
}

CTerminalTask::~CTerminalTask() {
    Join();
}

void CTerminalTask::Run() {
    IReporter& reporter = terminal_.Reporter();
    CUntilCancelledReporter untilCancelled(reporter, *this);
    terminal_.SetReporter(untilCancelled);
    terminal_.SetExchangeCancel(&CancelFlag());
    work_();
    terminal_.SetExchangeCancel(nullptr);
    terminal_.SetReporter(reporter);
    Complete();
}

}  // namespace morvik
