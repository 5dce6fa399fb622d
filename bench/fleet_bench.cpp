// morvik fleet against simulated terminals: eight terminals written in parallel against one
// written alone, and the CPU time the tool spends on it. Each terminal is a morvik-sim of its
// own on its own pseudo-terminal, linked as COM1..COM8 in a ports folder of the benchmark's own,
// its line paced at 115200 baud.
//
//   fleet_bench [terminals] [baud]      (defaults 8 and 115200)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BenchSim.h"

namespace {

namespace fs = std::filesystem;

struct Run {
    int exitCode = -1;
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time of the tool
};

// Runs the program with its output thrown away; wall and CPU time.
Run Measure(const std::string& program, const std::vector<std::string>& args) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::FILE* null = std::freopen("/dev/null", "w", stdout);
        (void)null;
        null = std::freopen("/dev/null", "w", stderr);
        (void)null;
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    Run run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string FindTool(const char* argv0) {
    const fs::path self = fs::absolute(argv0).parent_path();
    for (const fs::path& dir : {self, self.parent_path()}) {
        if (fs::exists(dir / "morvik")) {
            return (dir / "morvik").string();
        }
    }
    return std::string();
}

}  // namespace

int main(int argc, char** argv) {
    const int terminals = argc > 1 ? std::atoi(argv[1]) : 8;
    const std::string baud = argc > 2 ? argv[2] : "115200";
    const std::string sim = morvik::bench::FindSim(argv[0]);
    const std::string tool = FindTool(argv[0]);
    if (sim.empty() || tool.empty() || terminals < 1 || terminals > 99) {
        std::fprintf(stderr, "morvik-sim or morvik not found, or a bad count\n");
        return 1;
    }
    char folder[] = "/tmp/fleet-bench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        return 1;
    }
    ::setenv("MORVIK_CONFIG_DIR", folder, 1);
    // No cable of this machine may join the run.
    ::setenv("MORVIK_SYSFS_ROOT", folder, 1);
    ::setenv("MORVIK_DEV_ROOT", folder, 1);
    std::vector<std::unique_ptr<morvik::bench::Sim>> sims;
    for (int i = 1; i <= terminals; ++i) {
        sims.push_back(std::make_unique<morvik::bench::Sim>(
            sim, std::vector<std::string>{"--edition", i % 2 == 0 ? "minis" : "mini", "--tid",
                                          "T" + std::to_string(i), "--com", std::to_string(i),
                                          "--baud", baud}));
        if (sims.back()->Device().empty()) {
            std::fprintf(stderr, "morvik-sim did not start\n");
            return 1;
        }
    }
    const std::string file = std::string(folder) + "/shop.dat";
    if (Measure(tool, {"--port", "1", "read", file}).exitCode != 0) {
        std::fprintf(stderr, "the settings could not be read\n");
        return 1;
    }
    const std::string all = "1-" + std::to_string(terminals);
    const Run single = Measure(tool, {"--port", "1", "write", file});
    const Run one = Measure(tool, {"fleet", "write", file, "--ports", "1"});
    const Run many = Measure(tool, {"fleet", "write", file, "--ports", all});
    std::printf("terminals %d, line %s baud\n", terminals, baud.c_str());
    std::printf("%-28s %8s %8s %6s\n", "run", "wall s", "cpu s", "exit");
    std::printf("%-28s %8.2f %8.3f %6d\n", "morvik write (one)", single.seconds, single.cpuSeconds,
                single.exitCode);
    std::printf("%-28s %8.2f %8.3f %6d\n", "morvik fleet write (one)", one.seconds, one.cpuSeconds,
                one.exitCode);
    std::printf("%-28s %8.2f %8.3f %6d\n",
                ("morvik fleet write (" + std::to_string(terminals) + ")").c_str(), many.seconds,
                many.cpuSeconds, many.exitCode);
    std::printf("ratio %d / fleet of one: %.2f\n", terminals, many.seconds / one.seconds);
    std::printf("ratio %d / single write: %.2f\n", terminals, many.seconds / single.seconds);
    std::printf("tool CPU while writing %d: %.1f%% of one core\n", terminals,
                100.0 * many.cpuSeconds / many.seconds);
    sims.clear();
    fs::remove_all(folder);
    return many.exitCode == 0 && one.exitCode == 0 ? 0 : 1;
}
