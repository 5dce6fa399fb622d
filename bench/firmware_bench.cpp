// Prints how long a firmware update of a maximum-size image takes against the simulated
// terminal on a 115200 baud line (both directions paced), next to its floor (bench/SessionFloor.h:
// the sender's drain, every block and its acknowledgement on the wire; with the version check,
// the prescribed second before it and the identification), beside a bare sender of this file
// (each block written and its acknowledgement awaited, nothing else: what the simulator and the
// machine cost per block, without the tool), and beside lrzsz's sx sending the same image to the
// same receiver when sx is installed (sx waits for the terminal's next NAK, up to 3 s, first).
// Each figure is the median of several runs; ROW lines as session_floor_bench prints them feed
// bench/run_all.sh.
//
//   firmware_bench [--runs N]  (finds morvik-sim beside the build's programs, or $MORVIK_SIM)

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

#include "BenchSim.h"
#include "Lateness.h"
#include "SessionFloor.h"
#include "files/FirmwareImage.h"
#include "protocol/Terminal.h"
#include "sessions/FirmwareTrigger.h"
#include "sessions/FirmwareUpdate.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr std::size_t kHeader = 128;
constexpr std::size_t kData = 0xF800;
constexpr std::size_t kBlocks = (kHeader + kData + 127) / 128;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A valid Mini-family image of the largest size a terminal takes.
std::string WriteImage(const std::string& path, const std::string& version) {
    std::string image(kHeader + kData, '\0');
    for (std::size_t i = kHeader; i < image.size(); ++i) {
        image[i] = static_cast<char>((i * 131 + 7) & 0xFF);
    }
    image.replace(64, version.size(), version);
    image.replace(80, 6, "ZRT450");
    for (int i = 0; i < 4; ++i) {
        image[16 + i] = static_cast<char>((kData >> (8 * i)) & 0xFF);
    }
    unsigned sum = 0;
    for (std::size_t i = kHeader; i < image.size(); ++i) {
        sum += (i < 384 || i >= 512) ? static_cast<unsigned char>(image[i]) : 0;
    }
    image[20] = static_cast<char>(sum & 0xFF);
    unsigned header = 0;
    for (std::size_t i = 0; i < kHeader; ++i) {
        header += i == 124 ? 0 : static_cast<unsigned char>(image[i]);
    }
    image[124] = static_cast<char>(header & 0xFF);
    std::ofstream(path, std::ios::binary).write(image.data(), static_cast<long>(image.size()));
    return path;
}

// Puts the terminal into update mode with the tool's own trigger; false when it never answered.
bool EnterUpdateMode(morvik::CTerminal& terminal) {
    terminal.Port().SetMode(morvik::CSerialCommAPI::kModeSynchronous);
    morvik::CFirmwareTrigger trigger(terminal.Port(), terminal.Port().GetTimeouts());
    trigger.Start();
    const auto deadline = Clock::now() + 10s;
    while (!trigger.Finished() && Clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    trigger.Stop();
    return trigger.TerminalInUpdateMode();
}

struct ToolRun {
    bool ok = false;
    double transfer = 0;           // until the terminal has the whole image
    double total = 0;              // with the version check
    morvik::bench::Account check;  // the version check's opening and identification
};

ToolRun BenchTool(const std::string& sim, const std::string& image) {
    ToolRun run;
    morvik::bench::Sim terminalSim(sim, {"--edition", "mini", "--baud", "115200"});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    terminal.SetFirstCommunication(false);
    if (terminalSim.Device().empty() || !terminal.Connect(true) || !EnterUpdateMode(terminal)) {
        return run;
    }
    morvik::bench::TraceFloor floor(false, false);
    terminal.Trace().SetSink(floor.Sink());
    morvik::CFirmwareUpdateWorker worker(terminal, image, "9.99", static_cast<std::int64_t>(kData));
    const auto start = Clock::now();
    worker.Start();
    while (!worker.Finished()) {
        if (run.transfer == 0 && worker.Verifying()) {
            run.transfer = Since(start);
        }
        std::this_thread::sleep_for(5ms);
    }
    run.total = Since(start);
    worker.Join();
    run.ok = worker.Outcome() == morvik::FirmwareOutcome::kUpdated;
    floor.Account();
    run.check = floor.Opening();
    run.check += floor.Session();
    return run;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Row(const char* name, double measured, const morvik::bench::Account& rest,
         morvik::bench::Lateness::Figures late, int runs, const char* note) {
    std::printf("ROW|%s|%.2f|0.00|%.2f|%.2f|%.2f|%.2f|-|%.1f|%.1f|%d|%s\n", name, measured,
                rest.Floor(), rest.pauses, rest.wireOut, rest.wireIn, late.sleepLate,
                late.roundTrip, runs, note);
}

// The blocks written one by one straight to the device, each answer awaited: no drain, no tool.
double BenchBare(const std::string& sim, const std::string& image) {
    morvik::bench::Sim terminalSim(sim, {"--edition", "mini", "--baud", "115200"});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    if (terminalSim.Device().empty() || !terminal.Connect(true) || !EnterUpdateMode(terminal)) {
        return -1;
    }
    terminal.Disconnect();
    const int fd = ::open(terminalSim.Device().c_str(), O_RDWR | O_NOCTTY);
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);
    ::tcflush(fd, TCIFLUSH);  // the NAKs of the wait
    std::ifstream in(image, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto start = Clock::now();
    bool ok = true;
    for (std::size_t at = 0, number = 1; ok && at < data.size(); at += 128, ++number) {
        std::string block(132, static_cast<char>(0xFF));
        block[0] = 0x01;
        block[1] = static_cast<char>(number & 0xFF);
        block[2] = static_cast<char>(0xFF - (number & 0xFF));
        block.replace(3, std::min<std::size_t>(128, data.size() - at), data, at, 128);
        unsigned sum = 0;
        for (std::size_t i = 3; i < 131; ++i) {
            sum += static_cast<unsigned char>(block[i]);
        }
        block[131] = static_cast<char>(sum & 0xFF);
        ok = ::write(fd, block.data(), block.size()) == 132;
        pollfd p{fd, POLLIN, 0};
        char answer = 0;
        ok = ok && ::poll(&p, 1, 5000) == 1 && ::read(fd, &answer, 1) == 1 && answer == 0x06;
    }
    const char eot = 0x04;
    ok = ok && ::write(fd, &eot, 1) == 1;
    const double seconds = Since(start);
    ::close(fd);
    return ok ? seconds : -1;
}

double BenchSx(const std::string& sim, const std::string& image) {
    morvik::bench::Sim terminalSim(sim, {"--edition", "mini", "--baud", "115200"});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    if (terminalSim.Device().empty() || !terminal.Connect(true) || !EnterUpdateMode(terminal)) {
        return -1;
    }
    terminal.Disconnect();
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(terminalSim.Device().c_str(), O_RDWR | O_NOCTTY);
        ::dup2(fd, STDIN_FILENO);
        ::dup2(fd, STDOUT_FILENO);
        ::execlp("sx", "sx", "-X", "-q", image.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Since(start) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0) {
        runs = std::max(1, std::atoi(argv[2]));
    }
    const std::string sim = morvik::bench::FindSim(argv[0]);
    if (sim.empty()) {
        std::printf("morvik-sim not found: set MORVIK_SIM\n");
        return 1;
    }
    char folder[] = "/tmp/morvik-fwbench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        return 1;
    }
    const std::string image = WriteImage(std::string(folder) + "/max.x", "9.99");
    std::printf("firmware image %zu bytes, %zu blocks at 115200 baud\n", kHeader + kData, kBlocks);

    morvik::bench::Account transfer;
    morvik::bench::AddImage(transfer, kHeader + kData);
    morvik::bench::Account wire;  // the bare sender and sx: no drain
    for (std::size_t i = 0; i < kBlocks; ++i) {
        wire.Step(0, 132, 1);
    }
    wire.Step(0, 1, 0);

    // The senders take turns, so that each meets the machine's load alike.
    std::vector<double> tool, total, bare, sx;
    morvik::bench::Account check;
    bool ok = true;
    const bool haveSx = std::system("command -v sx >/dev/null 2>&1") == 0;
    morvik::bench::Lateness lateness;
    for (int i = 0; i < runs; ++i) {
        const ToolRun run = BenchTool(sim, image);
        ok = ok && run.ok;
        tool.push_back(run.transfer);
        total.push_back(run.total);
        check = run.check;
        bare.push_back(BenchBare(sim, image));
        if (haveSx) {
            sx.push_back(BenchSx(sim, image));
        }
    }
    const morvik::bench::Lateness::Figures late = lateness.Take();
    std::printf("tool   : transfer %.2f s, with the version check %.2f s (median of %d, %s)\n",
                Median(tool), Median(total), runs, ok ? "updated" : "FAILED");
    std::printf("floor  : transfer %.2f s (drain %.2f + wire %.2f out, %.2f in)\n",
                transfer.Floor(), morvik::bench::pause::kDrain, transfer.wireOut, transfer.wireIn);
    if (ok) {
        Row("firmware 63616 B: block sender", Median(tool), transfer, late, runs,
            "1 s drain, then block and ACK");
        morvik::bench::Account after = transfer;
        after.Step(morvik::bench::pause::kFirmwareSettle, 0, 0);
        after += check;
        Row("firmware update incl. version check", Median(total), after, late, runs,
            "1 s before the check, probe opening, ver");
    } else {
        std::printf("ROW|firmware 63616 B: block sender|-|-|-|-|-|-|-|-|-|%d|failed\n", runs);
    }
    if (Median(bare) > 0) {
        std::printf("bare   : transfer %.2f s (median of %d)\n", Median(bare), runs);
        Row("firmware 63616 B: bare sender, no tool", Median(bare), wire, late, runs,
            "the simulator's and the machine's share");
    }
    if (!haveSx) {
        std::printf("sx     : not installed (lrzsz)\n");
    } else if (Median(sx) > 0) {
        std::printf("sx     : transfer %.2f s (median of %d)\n", Median(sx), runs);
        Row("firmware 63616 B: lrzsz sx, same receiver", Median(sx), wire, late, runs,
            "reference sender; waits for the next NAK first");
    }
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
