// Prints how long the detection log of 10,000 records (or the count given) takes to arrive from
// the simulated terminal at the real line speed (115200 baud), next to the wire time of its
// blocks.
//
//   dlog_bench [RECORDS]      (finds morvik-sim beside the build's programs, or $MORVIK_SIM)

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchSim.h"
#include "protocol/Terminal.h"
#include "sessions/DetectionLogSession.h"

namespace {

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const long records = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    const std::string simPath = morvik::bench::FindSim(argv[0]);
    if (simPath.empty() || records <= 0) {
        std::printf("usage: dlog_bench [RECORDS]   (morvik-sim not found: set MORVIK_SIM)\n");
        return 1;
    }
    char folder[] = "/tmp/morvik-dlogbench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        return 1;
    }
    morvik::bench::Sim sim(simPath, {"--edition", "mini", "--baud", "115200", "--dlog-records",
                                     std::to_string(records)});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(sim.Device());
    terminal.SetFirstCommunication(false);
    if (sim.Device().empty() || !terminal.Connect(true) || !terminal.OpenSession()) {
        std::printf("the simulated terminal did not answer\n");
        return 1;
    }
    const auto start = Clock::now();
    const std::int64_t count = morvik::RequestDetectionLog(terminal);
    if (count != records) {
        std::printf("the terminal announced %lld records\n", static_cast<long long>(count));
        return 1;
    }
    const std::string csv = std::string(folder) + "/log.csv";
    morvik::CDetectionLogWorker worker(terminal, csv, count);
    worker.RunHere();
    const double seconds = Since(start);
    const long blocks = (records + 3) / 4;
    const double wireBytes = static_cast<double>(blocks) * 133 + 2;  // block + ACK, EOT + ACK
    std::printf("detection log %ld records, %ld blocks at 115200 baud\n", records, blocks);
    std::printf("wire   : %.2f s for the blocks and their acknowledgements\n",
                morvik::bench::WireSeconds(wireBytes));
    std::printf("tool   : %.2f s from \"dlog g\" to the CSV in place (%s, %ju bytes)\n", seconds,
                worker.Outcome() == morvik::DetectionLogOutcome::kSaved ? "saved" : "FAILED",
                static_cast<std::uintmax_t>(
                    std::filesystem::exists(csv) ? std::filesystem::file_size(csv) : 0));
    std::filesystem::remove_all(folder);
    return 0;
}
