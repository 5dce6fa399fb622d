#pragma once
// A command run inside another: morvik fleet runs the single-terminal command once per terminal,
// each on a thread of its own. While a capture is installed on a thread, what a command prints
// there (results, messages, notices, its progress bar) is handed to the capture instead of
// standard output and error, JsonMode() is on for it and JsonResult() is the capture's own, so
// that no two terminals write into the same place. Messages that the core reports from a
// session's own worker thread reach the capture through the context's reporter, which is given
// the same capture (CCliReporter::SetCapture).

#include <cstdint>
#include <string>

#include "cli/CliJson.h"

namespace morvik::cli {

class CliCapture {
  public:
    virtual ~CliCapture() = default;

    // PrintError: an error or warning of the command.
    virtual void Message(const std::string& utf8) = 0;
    // PrintInfo and PrintInstruction: what the command is doing, what the operator must do.
    virtual void Notice(const std::string& utf8) = 0;
    // PrintOut: a result line.
    virtual void Output(const std::string& utf8) = 0;
    // CliProgress: the bar's label and where it stands.
    virtual void Progress(const std::string& label, std::int64_t position,
                          std::int64_t maximum) = 0;

    // The command's own JSON results.
    Json& Result() { return result_; }

  private:
    Json result_ = Json::object();
};

// The capture of the calling thread; nullptr when the thread prints for itself.
CliCapture* CurrentCapture();

// Installs a capture on the calling thread for its lifetime.
class ScopedCapture {
  public:
    explicit ScopedCapture(CliCapture& capture);
    ~ScopedCapture();
    ScopedCapture(const ScopedCapture&) = delete;
    ScopedCapture& operator=(const ScopedCapture&) = delete;

  private:
    CliCapture* previous_;
};

}  // namespace morvik::cli
