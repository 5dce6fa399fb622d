#pragma once
// The frame every session worker runs in: one worker thread per session, and a window (or the
// command-line tool) that only polls. They share single values only: the progress range and
// position, the failed flag, the cancel request and the error text. The worker writes the error
// text before it signals the end (failed flag, or position = maximum + 1 stored last), so a
// poller that has seen the end may read the text.

#include <atomic>
#include <string>
#include <thread>

namespace morvik {

class CSessionWorker {
  public:
    CSessionWorker() = default;
    // A derived worker must call Join() in its own destructor: Run() uses its members.
    virtual ~CSessionWorker();
    CSessionWorker(const CSessionWorker&) = delete;
    CSessionWorker& operator=(const CSessionWorker&) = delete;

    // Starts Run() on the worker thread. A worker runs once.
    void Start();
    // Runs the session on the calling thread (the command-line tool, tests).
    void RunHere();
    // Waits for the worker thread, if one was started.
    void Join();

    // ---- What a poller reads -----------------------------------------------------------------
    int Maximum() const { return maximum_.load(std::memory_order_acquire); }
    int Position() const { return position_.load(std::memory_order_acquire); }
    bool Completed() const { return Position() > Maximum(); }
    bool Failed() const { return failed_.load(std::memory_order_acquire); }
    // Completed or failed: the worker has nothing more to do.
    bool Finished() const { return Completed() || Failed(); }
    // The session's error text (messages and warnings, each followed by CR LF, code page 932).
    // Valid once Finished() is true.
    const std::string& ErrorText() const { return errorText_; }
    // True when the session failed only because a read ended with warnings: the values read are
    // all there, and the caller shows the warnings.
    bool WarningsOnly() const { return warningsOnly_.load(std::memory_order_acquire); }
    // The string-table number of the window title the worker asks for (0 when none).
    int TitleId() const { return titleId_.load(std::memory_order_acquire); }

    // ---- What a poller may ask ---------------------------------------------------------------
    void RequestCancel() { cancel_.store(true, std::memory_order_release); }
    bool CancelRequested() const { return cancel_.load(std::memory_order_acquire); }
    // The request itself, for an exchange that must end as soon as it is made
    // (CTerminal::SetExchangeCancel).
    const std::atomic<bool>& CancelFlag() const { return cancel_; }

    // Set by the caller before the session starts.
    void SetMaximum(int maximum) { maximum_.store(maximum, std::memory_order_release); }

  protected:
    virtual void Run() = 0;

    void SetTitle(int stringId) { titleId_.store(stringId, std::memory_order_release); }
    // Stores min(position, maximum): only Complete() may go past the maximum.
    void SetPosition(int position);
    void Advance() { SetPosition(Position() + 1); }
    void AppendError(const std::string& cp932Text) { errorText_ += cp932Text; }
    // Ends the session as failed; text (code page 932) is appended to the error text with CR LF.
    void Fail(const std::string& cp932Text);
    void FailWithWarnings();
    // Signals completion: position = maximum + 1, stored last.
    void Complete() { position_.store(Maximum() + 1, std::memory_order_release); }

  private:
    std::atomic<int> maximum_{0};
    std::atomic<int> position_{0};
    std::atomic<bool> failed_{false};
    std::atomic<bool> warningsOnly_{false};
    std::atomic<bool> cancel_{false};
    std::atomic<int> titleId_{0};
    std::string errorText_;
    std::thread thread_;
};

}  // namespace morvik
