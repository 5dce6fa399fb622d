#pragma once
// The command-line tool's reporter: every message on standard error as "caption: text" in UTF-8,
// questions answered on standard input.

#include <atomic>
#include <cstdio>

#include "protocol/Reporter.h"

namespace morvik::cli {

class CliCapture;

class CCliReporter : public IReporter {
  public:
    // Questions are read from in (standard input by default).
    explicit CCliReporter(std::FILE* in = stdin) : in_(in) {}

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& caption, const std::string& text) override;
    void ShowInformation(const std::string& caption, const std::string& text) override;
    bool Ask(const std::string& caption, const std::string& question) override;
    void SetBusy(bool) override {}
    void SetCanClose(bool) override {}

    // Error boxes shown so far: a command that failed without any tells why itself.
    int ErrorsShown() const { return errors_.load(); }

    // Hands every message to capture instead of printing it, from whatever thread reports it
    // (a session's worker reports from its own); a question is then answered with Cancel, as
    // no one can answer it. nullptr prints again.
    void SetCapture(CliCapture* capture) { capture_ = capture; }

  private:
    void Show(const std::string& caption, const std::string& text);

    std::FILE* in_;
    CliCapture* capture_ = nullptr;
    // Counted on a session's thread, read on the command's.
    std::atomic<int> errors_{0};
};

}  // namespace morvik::cli
