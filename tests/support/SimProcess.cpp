#include "support/SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace morvik::test {
namespace {

using Clock = std::chrono::steady_clock;

// The environment of a child: ours, with the given entries added or replaced.
std::vector<std::string> ChildEnvironment(const std::map<std::string, std::string>& extra) {
    std::vector<std::string> out;
    for (char** e = environ; *e != nullptr; ++e) {
        std::string entry(*e);
        std::string name = entry.substr(0, entry.find('='));
        if (extra.count(name) == 0) {
            out.push_back(entry);
        }
    }
    for (const auto& [name, value] : extra) {
        out.push_back(name + "=" + value);
    }
    return out;
}

std::vector<char*> CStrings(std::vector<std::string>& strings) {
    std::vector<char*> out;
    for (auto& s : strings) {
        out.push_back(s.data());
    }
    out.push_back(nullptr);
    return out;
}

int DecodeStatus(int status) {
    if (WIFEXITED(status)) {
        return WEXITSTATUS(status);
    }
    if (WIFSIGNALED(status)) {
        return 128 + WTERMSIG(status);
    }
    return -1;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string RequiredEnv(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        throw std::runtime_error(std::string("environment variable not set: ") + name);
    }
    return value;
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/morvik-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder: " +
                                 std::string(std::strerror(errno)));
    }
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
    return path_ + "/" + name;
}

SimProcess::SimProcess(SimOptions options)
    : statePath_(dir_.File("state")), logPath_(dir_.File("log")) {
    std::vector<std::string> argv = {RequiredEnv("MORVIK_SIM"),
                                     "--edition",
                                     options.edition,
                                     "--state",
                                     statePath_,
                                     "--log",
                                     logPath_};
    argv.insert(argv.end(), options.args.begin(), options.args.end());
    // A simulator linked with --com must never write into the real ~/.config: without a
    // configuration folder of the test's own, it gets one inside its TempDir.
    const char* configDir = std::getenv("MORVIK_CONFIG_DIR");
    if (options.env.count("MORVIK_CONFIG_DIR") == 0 && (configDir == nullptr || *configDir == 0)) {
        options.env["MORVIK_CONFIG_DIR"] = dir_.File("config");
    }
    std::vector<std::string> env = ChildEnvironment(options.env);

    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    auto cargv = CStrings(argv);
    auto cenv = CStrings(env);
    const pid_t test = getpid();
    pid_ = fork();
    if (pid_ < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid_ == 0) {
        // A test killed by its time-out leaves no simulator behind (the simulator asks for the
        // same itself; asking here also covers a test that dies before the simulator runs).
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != test) {
            _exit(127);
        }
        dup2(out[1], STDOUT_FILENO);
        execve(cargv[0], cargv.data(), cenv.data());
        _exit(127);
    }
    close(out[1]);
    stdoutFd_ = out[0];

    // The simulator prints its device path as its first line once the pseudo-terminal is ready.
    std::string line;
    auto deadline = Clock::now() + std::chrono::seconds(15);
    while (line.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd p{stdoutFd_, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            Stop();
            throw std::runtime_error("morvik-sim printed no device path");
        }
        char buf[256];
        ssize_t n = read(stdoutFd_, buf, sizeof buf);
        if (n <= 0) {
            Stop();
            throw std::runtime_error("morvik-sim ended before it printed a device path (exit " +
                                     std::to_string(ExitCode()) + ")");
        }
        line.append(buf, static_cast<size_t>(n));
    }
    device_ = line.substr(0, line.find('\n'));
}

SimProcess::~SimProcess() {
    Stop();
}

bool SimProcess::Running() const {
    if (pid_ <= 0 || exitCode_ != -1) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = DecodeStatus(status);
        return false;
    }
    return true;
}

int SimProcess::ExitCode() const {
    Running();
    return exitCode_;
}

void SimProcess::Stop() {
    if (Running()) {
        kill(pid_, SIGTERM);
        auto deadline = Clock::now() + std::chrono::seconds(10);
        while (Running() && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (Running()) {
            kill(pid_, SIGKILL);
            int status = 0;
            waitpid(pid_, &status, 0);
            exitCode_ = DecodeStatus(status);
        }
    }
    if (stdoutFd_ >= 0) {
        close(stdoutFd_);
        stdoutFd_ = -1;
    }
}

std::vector<std::string> SimProcess::LogLines() const {
    std::ifstream in(logPath_, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

bool SimProcess::WaitForLogLine(const std::string& line, std::chrono::milliseconds timeout) const {
    auto deadline = Clock::now() + timeout;
    do {
        for (const auto& l : LogLines()) {
            if (l == line) {
                return true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (Clock::now() < deadline);
    return false;
}

std::string SimProcess::StateValue(const std::string& key) const {
    std::ifstream in(statePath_, std::ios::binary);
    std::string line;
    const std::string prefix = "param " + key + " ";
    while (std::getline(in, line)) {
        if (line.rfind(prefix, 0) != 0) {
            continue;
        }
        // Bytes below 0x20, 0x7F and "%" are written as %XX.
        std::string value;
        for (size_t i = prefix.size(); i < line.size(); ++i) {
            if (line[i] == '%' && i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 &&
                HexDigit(line[i + 2]) >= 0) {
                value += static_cast<char>(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
                i += 2;
            } else {
                value += line[i];
            }
        }
        return value;
    }
    return {};
}

long SimProcess::Boot() const {
    std::ifstream in(statePath_, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("boot ", 0) == 0) {
            return std::strtol(line.c_str() + 5, nullptr, 10);
        }
    }
    return -1;
}

bool SimProcess::WaitForBoot(long boot, std::chrono::milliseconds timeout) const {
    const auto deadline = Clock::now() + timeout;
    while (Boot() < boot) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

RunResult RunProgram(const std::vector<std::string>& argv, const std::string& stdinText,
                     const std::map<std::string, std::string>& env, std::chrono::seconds timeout) {
    RunResult result;
    if (argv.empty()) {
        return result;
    }
    std::vector<std::string> args = argv;
    std::vector<std::string> envs = ChildEnvironment(env);
    auto cargv = CStrings(args);
    auto cenv = CStrings(envs);

    int in[2], out[2], err[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        dup2(err[1], STDERR_FILENO);
        execve(cargv[0], cargv.data(), cenv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    signal(SIGPIPE, SIG_IGN);

    int inFd = in[1];
    size_t written = 0;
    if (stdinText.empty()) {
        close(inFd);
        inFd = -1;
    } else {
        fcntl(inFd, F_SETFL, O_NONBLOCK);
    }
    int outFd = out[0], errFd = err[0];
    auto deadline = Clock::now() + timeout;
    while (outFd >= 0 || errFd >= 0) {
        pollfd fds[3];
        int n = 0;
        if (outFd >= 0)
            fds[n++] = {outFd, POLLIN, 0};
        if (errFd >= 0)
            fds[n++] = {errFd, POLLIN, 0};
        if (inFd >= 0)
            fds[n++] = {inFd, POLLOUT, 0};
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            kill(pid, SIGKILL);
            break;
        }
        if (poll(fds, static_cast<nfds_t>(n), static_cast<int>(left.count())) < 0 &&
            errno != EINTR) {
            break;
        }
        for (int i = 0; i < n; ++i) {
            if (fds[i].revents == 0)
                continue;
            if (fds[i].fd == inFd) {
                ssize_t w = write(inFd, stdinText.data() + written, stdinText.size() - written);
                if (w > 0)
                    written += static_cast<size_t>(w);
                if (w < 0 || written == stdinText.size()) {
                    close(inFd);
                    inFd = -1;
                }
                continue;
            }
            char buf[4096];
            ssize_t r = read(fds[i].fd, buf, sizeof buf);
            std::string& target = fds[i].fd == outFd ? result.out : result.err;
            if (r > 0) {
                target.append(buf, static_cast<size_t>(r));
            } else {
                close(fds[i].fd);
                (fds[i].fd == outFd ? outFd : errFd) = -1;
            }
        }
    }
    if (inFd >= 0)
        close(inFd);
    if (outFd >= 0)
        close(outFd);
    if (errFd >= 0)
        close(errFd);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = DecodeStatus(status);
    return result;
}

}  // namespace morvik::test
