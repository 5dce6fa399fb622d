// Prints how long a firmware update of a maximum-size image takes against the simulated
// terminal at the real line speed (115200 baud), next to the wire time of the blocks, and beside
// lrzsz's sx sending the same image to the same receiver when sx is installed.
//
//   firmware_bench            (finds morvik-sim beside the build's programs, or $MORVIK_SIM)

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

#include "BenchSim.h"
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

void BenchTool(const std::string& sim, const std::string& image) {
    morvik::bench::Sim terminalSim(sim, {"--edition", "mini", "--baud", "115200"});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    terminal.SetFirstCommunication(false);
    if (terminalSim.Device().empty() || !terminal.Connect(true) || !EnterUpdateMode(terminal)) {
        std::printf("tool: the simulated terminal did not enter update mode\n");
        return;
    }
    morvik::CFirmwareUpdateWorker worker(terminal, image, "9.99", static_cast<std::int64_t>(kData));
    const auto start = Clock::now();
    worker.Start();
    double sendSeconds = 0;
    while (!worker.Finished()) {
        if (sendSeconds == 0 && worker.Verifying()) {
            sendSeconds = Since(start);
        }
        std::this_thread::sleep_for(5ms);
    }
    const double total = Since(start);
    worker.Join();
    std::printf("tool   : transfer %.2f s, with the version check %.2f s (%s)\n", sendSeconds,
                total,
                worker.Outcome() == morvik::FirmwareOutcome::kUpdated ? "updated" : "FAILED");
}

void BenchSx(const std::string& sim, const std::string& image) {
    if (std::system("command -v sx >/dev/null 2>&1") != 0) {
        std::printf("sx     : not installed (lrzsz)\n");
        return;
    }
    morvik::bench::Sim terminalSim(sim, {"--edition", "mini", "--baud", "115200"});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    if (terminalSim.Device().empty() || !terminal.Connect(true) || !EnterUpdateMode(terminal)) {
        std::printf("sx     : the simulated terminal did not enter update mode\n");
        return;
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
    std::printf("sx     : transfer %.2f s (exit %d)\n", Since(start),
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

}  // namespace

int main(int, char** argv) {
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
    const double wireBytes = static_cast<double>(kBlocks) * 133 + 1;  // block + ACK, then EOT
    std::printf("firmware image %zu bytes, %zu blocks at 115200 baud\n", kHeader + kData, kBlocks);
    std::printf("wire   : %.2f s for the blocks and their acknowledgements\n",
                morvik::bench::WireSeconds(wireBytes));
    // The simulator paces what it sends (the acknowledgements); the image itself crosses the
    // pseudo-terminal at its own speed, so both senders can beat the wire time here.
    std::printf("(the simulator paces only its own output; the image is not slowed)\n");
    BenchTool(sim, image);
    BenchSx(sim, image);
    std::filesystem::remove_all(folder);
    return 0;
}
