// Prints how long the detection log of 2,000 records (or the count given) takes to arrive from
// the simulated terminal on a 115200 baud line (both directions paced), whole as the operator
// starts it (connect, opening, "dlog g", the transfer, the end), next to its floor
// (bench/SessionFloor.h: the receiver's 50 ms after every block, during which the next block
// crosses the line, and the opening apart). The median of several runs; a ROW line as
// session_floor_bench prints it feeds bench/run_all.sh.
//
//   dlog_bench [RECORDS] [--runs N]   (finds morvik-sim beside the build's programs, or
//                                      $MORVIK_SIM)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchSim.h"
#include "Lateness.h"
#include "SessionFloor.h"
#include "protocol/Terminal.h"
#include "sessions/DetectionLogSession.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    bool ok = false;
    double seconds = 0;
    morvik::bench::Account opening;
    morvik::bench::Account session;
};

Run RunOnce(const std::string& simPath, long records, const std::string& csv) {
    Run run;
    morvik::bench::Sim sim(simPath, {"--edition", "mini", "--baud", "115200", "--dlog-records",
                                     std::to_string(records)});
    morvik::CSilentReporter reporter;
    morvik::CTerminal terminal(reporter);
    terminal.SetDevicePath(sim.Device());
    terminal.SetFirstCommunication(false);
    morvik::bench::TraceFloor floor(true, false);
    terminal.Trace().SetSink(floor.Sink());
    const auto start = Clock::now();
    if (sim.Device().empty() || !terminal.Connect(true) || !terminal.OpenSession()) {
        return run;
    }
    const std::int64_t count = morvik::RequestDetectionLog(terminal);
    if (count != records) {
        return run;
    }
    morvik::CDetectionLogWorker worker(terminal, csv, count);
    worker.RunHere();
    terminal.Disconnect();
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.ok = worker.Outcome() == morvik::DetectionLogOutcome::kSaved;
    floor.Account();
    run.opening = floor.Opening();
    run.session = floor.Session();
    morvik::bench::AddReceive(run.session, static_cast<std::size_t>((records + 3) / 4));
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    long records = 2000;
    int runs = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else {
            records = std::strtol(argv[i], nullptr, 10);
        }
    }
    const std::string simPath = morvik::bench::FindSim(argv[0]);
    if (simPath.empty() || records <= 0) {
        std::printf(
            "usage: dlog_bench [RECORDS] [--runs N]   (morvik-sim not found: set "
            "MORVIK_SIM)\n");
        return 1;
    }
    char folder[] = "/tmp/morvik-dlogbench-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        return 1;
    }
    std::vector<Run> done;
    morvik::bench::Lateness lateness;
    for (int i = 0; i < runs; ++i) {
        done.push_back(RunOnce(simPath, records, std::string(folder) + "/log.csv"));
    }
    std::filesystem::remove_all(folder);
    const bool ok = std::all_of(done.begin(), done.end(), [](const Run& r) { return r.ok; });
    std::sort(done.begin(), done.end(),
              [](const Run& a, const Run& b) { return a.seconds < b.seconds; });
    const Run& m = done[done.size() / 2];
    const long blocks = (records + 3) / 4;
    std::printf("detection log %ld records, %ld blocks at 115200 baud\n", records, blocks);
    if (!ok) {
        std::printf("tool   : FAILED\nROW|detection log %ld records|-|-|-|-|-|-|-|-|-|%d|failed\n",
                    records, runs);
        return 1;
    }
    morvik::bench::Account all = m.opening;
    all += m.session;
    std::printf("tool   : %.2f s from connecting to the CSV in place (median of %d)\n", m.seconds,
                runs);
    const morvik::bench::Lateness::Figures late = lateness.Take();
    std::printf("ROW|detection log %ld records|%.2f|%.2f|%.2f|%.2f|%.2f|%.2f|-|%.1f|%.1f|%d|%s\n",
                records, m.seconds, m.opening.Floor(), m.session.Floor(), all.pauses, all.wireOut,
                all.wireIn, late.sleepLate, late.roundTrip, runs,
                "50 ms per block, the next block crosses meanwhile");
    return 0;
}
