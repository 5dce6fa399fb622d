#pragma once
// A bare POSIX client of a (simulated) terminal's device: open, write bytes, read with time
// limits. It shares nothing with the tool's own serial and protocol code, so tests can check the
// simulator, or look at what a tool left on a terminal, independently of that code.

#include <chrono>
#include <string>
#include <string_view>

namespace morvik::test {

class RawTerminal {
  public:
    // Opens the device read/write without making it the controlling terminal, raw 8N1.
    explicit RawTerminal(const std::string& device);
    ~RawTerminal();
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    void Write(std::string_view bytes);
    void SendLine(std::string_view line);  // the line and a CR

    // Everything that arrives within the given time.
    std::string ReadFor(std::chrono::milliseconds window);
    // Reads until the received text contains marker (returned text included) or time runs out.
    std::string ReadUntil(std::string_view marker,
                          std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Reads exactly n bytes unless time runs out first.
    std::string ReadExactly(size_t n, std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Reads until a prompt ("%" or "#") ends the text at the start of a line (the end of a
    // reply), or time runs out.
    std::string ReadUntilPrompt(std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Sends a line and returns everything up to and including the prompt (echo included).
    std::string Command(std::string_view line,
                        std::chrono::milliseconds timeout = std::chrono::seconds(30));
    // Opens a command session with the edition's opening line; true when "%" came back.
    bool OpenSession(std::string_view openingLine = "config mini");

  private:
    int fd_ = -1;
};

}  // namespace morvik::test
