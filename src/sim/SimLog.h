#pragma once
// The record of what the terminal received: one line per received line and one "[...]" line per
// transfer, written and flushed at once so that tests can read it while the simulator runs. The
// optional trace (standard error) shows every byte in and out with the time since the last one.

#include <chrono>
#include <string>
#include <string_view>

namespace morvik::sim {

class SimLog {
  public:
    SimLog() = default;
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    bool Open(const std::string& path, std::string& error);
    void EnableTrace() { trace_ = true; }

    void Line(std::string_view received);  // a line as received (without its CR)
    void Event(std::string_view text);     // written as "[text]"
    void TraceIn(std::string_view bytes);
    void TraceOut(std::string_view bytes);

  private:
    void Write(std::string_view text);
    void Trace(char direction, std::string_view bytes);

    int fd_ = -1;
    bool trace_ = false;
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
};

}  // namespace morvik::sim
