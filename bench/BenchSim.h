#pragma once
// Starting morvik-sim from a benchmark: the benchmarks link only the core, so this is a small
// launcher of their own. The simulator is found through $MORVIK_SIM or beside the build's
// programs (the benchmark's folder or the one above it).

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace morvik::bench {

inline std::string FindSim(const char* argv0) {
    if (const char* env = std::getenv("MORVIK_SIM")) {
        return env;
    }
    namespace fs = std::filesystem;
    const fs::path self = fs::absolute(argv0).parent_path();
    for (const fs::path& dir : {self, self.parent_path()}) {
        if (fs::exists(dir / "morvik-sim")) {
            return (dir / "morvik-sim").string();
        }
    }
    return std::string();
}

// A simulator running on a pseudo-terminal until destruction.
class Sim {
  public:
    Sim(const std::string& program, std::vector<std::string> args) {
        int out[2];
        if (program.empty() || ::pipe(out) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            std::vector<char*> argv{const_cast<char*>(program.c_str())};
            for (std::string& a : args) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        // The simulator's first output line names its device.
        std::string line;
        char c;
        while (::read(out[0], &c, 1) == 1 && c != '\n') {
            line += c;
        }
        ::close(out[0]);
        const std::size_t at = line.find("/dev/");
        if (at != std::string::npos) {
            device_ = line.substr(at, line.find_first_of(" \t", at) - at);
        }
    }
    ~Sim() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Sim(const Sim&) = delete;
    Sim& operator=(const Sim&) = delete;

    // Empty when the simulator could not be started.
    const std::string& Device() const { return device_; }

  private:
    pid_t pid_ = -1;
    std::string device_;
};

}  // namespace morvik::bench
