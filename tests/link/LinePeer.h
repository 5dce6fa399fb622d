#pragma once
// Helpers for tests that play the far end of a block transfer: random payloads, and running an
// outside XMODEM program (lrzsz) on the pty master. Blocks are built by support/Xmodem.h.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/Xmodem.h"

namespace morvik::test {

inline std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 gen(seed);
    std::string out(size, '\0');
    for (auto& c : out) {
        c = static_cast<char>(gen() & 0xFF);
    }
    return out;
}

// Runs argv with the line (a pty master) as its standard input and output, in folder cwd.
class LineProgram {
  public:
    LineProgram(const std::vector<std::string>& argv, int line, const std::string& cwd) {
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(line, 0);
            ::dup2(line, 1);
            int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
            if (::chdir(cwd.c_str()) != 0) {
                ::_exit(126);
            }
            std::vector<char*> args;
            for (const auto& a : argv) {
                args.push_back(const_cast<char*>(a.c_str()));
            }
            args.push_back(nullptr);
            ::execvp(args[0], args.data());
            ::_exit(127);
        }
    }
    ~LineProgram() {
        if (pid_ > 0 && exitCode_ == kRunning) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    LineProgram(const LineProgram&) = delete;
    LineProgram& operator=(const LineProgram&) = delete;

    // True when the program has ended within timeoutMs; it is left running otherwise.
    bool EndsWithin(int timeoutMs) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (exitCode_ == kRunning) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return true;
    }

    // The exit code, or -1 when the program is still running after timeoutMs (it is then
    // killed).
    int Wait(int timeoutMs) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (exitCode_ == kRunning) {
            int status = 0;
            pid_t r = ::waitpid(pid_, &status, WNOHANG);
            if (r == pid_) {
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                break;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, nullptr, 0);
                exitCode_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return exitCode_;
    }

  private:
    static constexpr int kRunning = -1000;
    pid_t pid_ = -1;
    int exitCode_ = kRunning;
};

}  // namespace morvik::test
