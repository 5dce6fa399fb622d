#pragma once
// A progress bar on standard error for the commands that move data: "送信中 [#####-----]  50%".
// On a terminal it is redrawn in place; into a file or a pipe one line is written per tenth, so
// a log shows the progress without a flood of lines.

#include <cstdint>
#include <string>

namespace morvik::cli {

class CliProgress {
  public:
    // label: UTF-8 text in front of the bar.
    explicit CliProgress(std::string label);
    ~CliProgress();
    CliProgress(const CliProgress&) = delete;
    CliProgress& operator=(const CliProgress&) = delete;

    // Shows position of maximum (a maximum of 0 or less shows an empty bar).
    void Show(std::int64_t position, std::int64_t maximum);
    // Ends the bar's line (also done on destruction); further Show calls start a new one.
    void Finish();

  private:
    std::string label_;
    bool interactive_;
    bool open_ = false;
    int lastShown_ = -1;  // percent on a terminal, tenth otherwise
};

}  // namespace morvik::cli
