#pragma once
// Helpers for tests that play the far end of a block transfer: building blocks the way a
// terminal does, and running an outside XMODEM program (lrzsz) on the pty master.

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

namespace morvik::test {

inline std::string MakeBlock(uint8_t number, const std::string& data, char pad = '\xFF') {
    std::string block(132, '\0');
    block[0] = 0x01;
    block[1] = static_cast<char>(number);
    block[2] = static_cast<char>(~number);
    std::string payload = data.substr(0, 128);
    payload.resize(128, pad);
    block.replace(3, 128, payload);
    uint8_t sum = 0;
    for (char c : payload) {
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    }
    block[131] = static_cast<char>(sum);
    return block;
}

inline std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 gen(seed);
    std::string out(size, '\0');
    for (auto& c : out) {
        c = static_cast<char>(gen() & 0xFF);
    }
    return out;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder under the temporary directory, removed on destruction.
class ScratchDir {
  public:
    ScratchDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "morvik-link-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

  private:
    std::string path_;
};

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
