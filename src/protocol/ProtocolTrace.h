#pragma once
// A trace of the conversation with a terminal: every line sent and every fragment received, each
// with the time since the previous entry. Off unless a sink is installed; the command-line tool
// installs one for --trace, the desktop tool when its environment variable asks for it.
//
// Entries are plain ASCII: printable bytes as they are, CR and LF as \r and \n, every other byte
// (code page 932 text included) as \xNN, so a trace shows exactly what travelled.

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

namespace morvik {

class CProtocolTrace {
  public:
    using Sink = std::function<void(const std::string& entry)>;

    void SetSink(Sink sink);
    bool Enabled() const;

    // Bytes written to the terminal ("> " entries).
    void Sent(std::string_view bytes);
    // A fragment read from the terminal ("< " entries); empty reads are not traced.
    void Received(std::string_view bytes);
    // A remark of the tool itself ("# " entries): a time-out, a pause.
    void Note(std::string_view text);

    static std::string Escape(std::string_view bytes);

  private:
    void Emit(char direction, std::string_view bytes, bool escape);

    mutable std::mutex mutex_;
    Sink sink_;
    std::chrono::steady_clock::time_point last_{};
    bool started_ = false;
};

// A sink that writes each entry as one line to standard error, after prefix (the port of one
// terminal among several).
CProtocolTrace::Sink StderrTraceSink(std::string prefix = {});

}  // namespace morvik
