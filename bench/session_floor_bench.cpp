// Prints how long each session takes against a simulated terminal on a 115200 baud line (both
// directions paced), next to its floor (bench/SessionFloor.h: the prescribed pauses and the wire
// time no pause hides, with the opening apart), and where the time goes: prescribed pauses, wire
// time each way, the rest (the tool's own time: polling, scheduling, its work) and the tool's CPU
// time. Every session is whole, as the operator starts it: connect, opening, the work, the end.
// Each session runs several times against a fresh simulator; the median is printed.
//
// Each result is also printed as a line for bench/run_all.sh, which gathers every benchmark
// into one table:
//   ROW|name|measured|opening floor|session floor|pauses|wire out|wire in|cpu|late|trip|runs|note
// (late, trip: how late a 25 ms sleep ended meanwhile and how long a byte took there and back
// through a pseudo-terminal, means in milliseconds: bench/Lateness.h)
//
//   session_floor_bench [--runs N] [--only NAME]
//
// Last, the opening of every edition three ways ("OPEN|edition|way|seconds"): as prescribed (the
// Mini family's line first), as the probe of the port search and the read windows, and with the
// Slim line first, as a tool that remembered the edition of the port would; --only opening prints
// these alone.
//
// (finds morvik-sim beside the build's programs, or $MORVIK_SIM). Under valgrind's callgrind
// (--instr-atstart=no) only the sessions themselves are counted, which gives the tool's work in
// instructions whatever the machine's load.

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "BenchSim.h"
#include "Lateness.h"
#include "SessionFloor.h"
#include "model/MiniSettings.h"
#include "model/MiniSxSettings.h"
#include "model/SoundImage.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyCheck.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "sessions/MaintenanceSave.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#define RUNNING_ON_VALGRIND 0
#endif

namespace {

using namespace morvik;
using Clock = std::chrono::steady_clock;

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// How a session is opened: with OpenSession, whose first wake-up lines wait for their replies
// (the main window's commands, which open before their worker starts, and the workers that open
// by themselves), or with a probe, which writes them without reading (the read windows' workers).
enum class Opening { Open, Probe };

struct Session {
    std::string name;
    std::string edition;
    Opening opening;
    // The whole session on an unconnected terminal: true when it did what it was asked.
    std::function<bool(CTerminal&)> run;
    // The steps the trace does not show (block transfers).
    std::function<void(bench::Account&)> untraced;
    std::string note;
};

// A session worker's session as the main window runs it: connect and open first unless the
// worker does, then the worker, then disconnect.
using MakeWorker = std::function<std::unique_ptr<CSessionWorker>(CTerminal&)>;
std::function<bool(CTerminal&)> WorkerRun(MakeWorker make, bool callerOpens,
                                          bool warningsCount = true) {
    return [make, callerOpens, warningsCount](CTerminal& terminal) {
        if (callerOpens && !(terminal.Connect(true) && terminal.OpenSession())) {
            terminal.Disconnect();
            return false;
        }
        std::unique_ptr<CSessionWorker> session = make(terminal);
        session->Start();
        session->Join();
        terminal.Disconnect();
        return session->Completed() || (warningsCount && session->WarningsOnly());
    };
}

struct Measured {
    bool ok = false;
    double seconds = 0;
    double cpu = 0;
    bench::Account opening;
    bench::Account session;
};

// lateness: its threads' processor time is not the tool's.
Measured RunOnce(const std::string& sim, const Session& s, const bench::Lateness* lateness) {
    Measured m;
    bench::Sim terminalSim(sim, {"--edition", s.edition, "--baud", "115200"});
    if (terminalSim.Device().empty()) {
        return m;
    }
    CSilentReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    terminal.SetFirstCommunication(false);
    bench::TraceFloor floor(s.opening == Opening::Open, s.edition == "slim");
    terminal.Trace().SetSink(floor.Sink());

    CALLGRIND_START_INSTRUMENTATION;
    auto toolCpu = [lateness] { return CpuSeconds() - (lateness ? lateness->CpuSeconds() : 0); };
    const double cpuStart = toolCpu();
    const auto start = Clock::now();
    m.ok = s.run(terminal);
    m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    m.cpu = toolCpu() - cpuStart;
    CALLGRIND_STOP_INSTRUMENTATION;

    floor.Account();
    m.opening = floor.Opening();
    m.session = floor.Session();
    if (s.untraced) {
        s.untraced(m.session);
    }
    return m;
}

void Report(const Session& s, std::vector<Measured> runs, bench::Lateness::Figures late) {
    const bool ok = !runs.empty() &&
                    std::all_of(runs.begin(), runs.end(), [](const Measured& m) { return m.ok; });
    if (!ok) {
        std::printf("%s: the session failed\nROW|%s|-|-|-|-|-|-|-|-|-|%zu|failed\n", s.name.c_str(),
                    s.name.c_str(), runs.size());
        return;
    }
    std::vector<double> cpu;
    for (const Measured& m : runs) {
        cpu.push_back(m.cpu);
    }
    std::sort(cpu.begin(), cpu.end());
    std::sort(runs.begin(), runs.end(),
              [](const Measured& a, const Measured& b) { return a.seconds < b.seconds; });
    const Measured& m = runs[runs.size() / 2];
    const double floor = m.opening.Floor() + m.session.Floor();
    bench::Account all = m.opening;
    all += m.session;
    std::printf(
        "%s: %.2f s (median of %zu, %.2f..%.2f); floor %.2f s = opening %.2f + session %.2f; "
        "ratio %.2f\n  pauses %.2f s, wire %.2f s out + %.2f s in (%.2f s not under a pause), "
        "%zu command lines; the tool's own %.2f s; CPU %.3f s; sleeps ended %.1f ms late, a "
        "byte's round trip %.1f ms\n",
        s.name.c_str(), m.seconds, runs.size(), runs.front().seconds, runs.back().seconds, floor,
        m.opening.Floor(), m.session.Floor(), m.seconds / floor, all.pauses, all.wireOut,
        all.wireIn, all.exposed, all.lines, m.seconds - floor, cpu[cpu.size() / 2], late.sleepLate,
        late.roundTrip);
    std::printf("ROW|%s|%.2f|%.2f|%.2f|%.2f|%.2f|%.2f|%.3f|%.1f|%.1f|%zu|%s\n", s.name.c_str(),
                m.seconds, m.opening.Floor(), m.session.Floor(), all.pauses, all.wireOut,
                all.wireIn, cpu[cpu.size() / 2], late.sleepLate, late.roundTrip, runs.size(),
                s.note.c_str());
    std::fflush(stdout);
}

// ---- The Mini write's settings: every value, the clock, twelve sounds --------------------------

constexpr std::size_t kSoundBytes = 8192;  // each of the twelve files

std::string Wav(std::size_t size, unsigned seed) {
    auto le = [](std::uint32_t v, int n) {
        std::string s;
        for (int i = 0; i < n; ++i) {
            s += static_cast<char>((v >> (8 * i)) & 0xFF);
        }
        return s;
    };
    const auto samples = static_cast<std::uint32_t>(size - 44);
    std::string data(samples, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<char>((i * seed + 128) & 0xFF);
    }
    return "RIFF" + le(36 + samples, 4) + "WAVE" + "fmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(8000, 4) + le(8000, 4) + le(1, 2) + le(8, 2) + "data" + le(samples, 4) + data;
}

MiniSettings FullMiniSettings(const std::filesystem::path& dir) {
    MiniSettings m;
    m.terminal.authCode = "0123";
    m.terminal.clockCheck = true;
    m.sets[0].docomo.Select(BrowserRecord{"http://www.example.jp/touch?", "Welcome"});
    m.sets[0].other.Select(MailerRecord{"info@example.jp", "", "subject", "body text", "m"});
    TorucaRecord toruca;
    toruca.detailUrl = "http://www.example.jp/toruca/";
    toruca.categoryIcon = "1F";
    toruca.data1 = "coupon";
    m.sets[1].docomo.Select(toruca);
    m.sets[1].other.Select(ApplicationRecord{"http://www.example.jp/app.jam", "abc", "p=1"});
    for (auto& row : m.lamps.sets) {
        row = {"11111111111", "822222000002222200000", "10000100000000",
               "81111111111", "811001100110011001100", "80000100000000"};
    }
    m.lamps.guidance = {"11111111111", "11111111111", "11111111111", "11111111111"};
    m.guidance = PeriodicGuidance{true, 9, 30, 18, 0, 3};
    m.registerSounds = true;
    for (std::size_t slot = 0; slot < m.soundPaths.size(); ++slot) {
        const std::filesystem::path path = dir / ("s" + std::to_string(slot) + ".wav");
        std::ofstream(path, std::ios::binary) << Wav(kSoundBytes, static_cast<unsigned>(slot + 3));
        m.soundPaths[slot] = path.string();
    }
    return m;
}

MiniSxSettings FullMiniSxSettings() {
    MiniSxSettings m;
    m.sets[0].docomo.Select(BrowserRecord{"http://www.example.jp/touch?", "Welcome"});
    m.sets[0].other.Select(MailerRecord{"info@example.jp", "", "subject", "body text", "m"});
    m.sets[1].docomo.Select(BrowserRecord{"http://www.example.jp/second?", "Hello"});
    m.sets[1].other.Select(ApplicationRecord{"http://www.example.jp/app.jam", "abc", "p=1"});
    m.smartphone.Choose(SmartphoneChoice::SmartphoneSettings);
    m.nfc = {kNfcModeBrowser, kNfcQueryPlain, "http://nfc.example.jp/a?"};
    m.clockCheck = true;
    m.lamps[0] = "11111111111";
    m.lamps[2] = "10000100000000";
    m.lamps[7] = "822222000002222200000";
    return m;
}

std::vector<Session> Sessions(const std::filesystem::path& dir) {
    std::vector<Session> sessions;
    sessions.push_back(
        {"Mini read (42 values)", "mini", Opening::Probe,
         WorkerRun([](CTerminal& t) { return std::make_unique<CMiniReadSession>(t, true); }, false),
         nullptr, "read window: the worker probes"});
    sessions.push_back(
        {"MiniSx read", "minisx", Opening::Probe,
         WorkerRun([](CTerminal& t) { return std::make_unique<CMiniSxReadSession>(t, true); },
                   false),
         nullptr, "read window: the worker probes"});
    sessions.push_back(
        {"Slim read", "slim", Opening::Open,
         WorkerRun([](CTerminal& t) { return std::make_unique<CSlimReadSession>(t); }, true),
         nullptr, "the opening tries the Mini line first"});
    SlimEditorState slim;
    slim.function = SlimFunction::BrowserMailer;
    slim.browser = BrowserRecord{"http://www.example.jp/touch?", "Welcome"};
    slim.mailer = MailerRecord{"info@example.jp", "", "subject", "body text", "m"};
    sessions.push_back(
        {"Slim write (function 3)", "slim", Opening::Open,
         WorkerRun([slim](CTerminal& t) { return std::make_unique<CSlimWriteSession>(t, slim); },
                   true, false),
         nullptr, "the opening tries the Mini line first"});
    const MiniSettings mini = FullMiniSettings(dir);
    const std::size_t image = PackSounds(mini.soundPaths).image.bytes.size();
    sessions.push_back(
        {"Mini write: 42 values, clock, 12 sounds", "mini", Opening::Open,
         WorkerRun(
             [mini](CTerminal& t) { return std::make_unique<CMiniWriteSession>(t, mini, true); },
             true, false),
         [image](bench::Account& a) { bench::AddUpload(a, image); },
         "sound image " + std::to_string(image) + " B"});
    const MiniSxSettings minisx = FullMiniSxSettings();
    sessions.push_back({"MiniSx write, clock", "minisx", Opening::Open,
                        WorkerRun(
                            [minisx](CTerminal& t) {
                                return std::make_unique<CMiniSxWriteSession>(t, minisx, true);
                            },
                            true, false),
                        nullptr, "no sounds"});
    const std::string maint = (dir / "maint.mnt").string();
    sessions.push_back(
        {"Mini maintenance save", "mini", Opening::Open,
         WorkerRun([maint](CTerminal& t) { return std::make_unique<CMaintenanceWorker>(t, maint); },
                   false, false),
         nullptr, "the worker opens; every key"});
    sessions.push_back({"Mini identification (Ctrl+L)", "mini", Opening::Open,
                        [](CTerminal& t) {
                            DeviceInfo info;
                            return t.ReadDeviceInformation(info);
                        },
                        nullptr, "connect, open, ver, leave"});
    return sessions;
}

// ---- The opening ----------------------------------------------------------------------------

// An opening that tries the edition that answered last first, as a tool that remembered it per
// port would: the same wake-up lines, "exit", and then, for a Slim, the harder wake-up and the
// Slim line straight away; the Mini line follows only when the Slim line is refused. Written with
// the exchange's own calls, here only, to measure what it would save.
bool SlimFirstOpening(CTerminal& t) {
    using namespace std::chrono_literals;
    t.SetPacing(true);
    {
        CReadConstantScope scope(t.Port(), 0);
        for (int i = 0; i < 3; ++i) {
            if (i > 0) {
                std::this_thread::sleep_for(50ms);
            }
            t.Exchange("\r\n", true);
        }
    }
    t.SendExit();
    {
        CReadConstantScope scope(t.Port(), 0);
        for (int i = 0; i < 3; ++i) {
            if (i > 0) {
                std::this_thread::sleep_for(50ms);
            }
            t.RawWakeUp();
        }
    }
    bool opened = false;
    if (t.Exchange(t.SlimOpeningLine(), true).find('%') != std::string::npos) {
        opened = ReplyCheck(t.Exchange(Texts::SlimPowerLine(), true)) == kReplyOk;
    } else {
        opened = t.Exchange(t.MiniOpeningLine(), true).find('%') != std::string::npos;
    }
    t.SetPacing(false);
    return opened;
}

// Seconds of one opening against a fresh simulator of the edition; negative when it failed.
double Opening(const std::string& sim, const std::string& edition,
               const std::function<bool(CTerminal&)>& open) {
    bench::Sim terminalSim(sim, {"--edition", edition, "--baud", "115200"});
    CSilentReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    terminal.SetFirstCommunication(false);
    if (terminalSim.Device().empty() || !terminal.Connect(true)) {
        return -1;
    }
    const auto start = Clock::now();
    const bool opened = open(terminal);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    // The terminal must take a command afterwards: the session is really open.
    const bool answers =
        opened && terminal.Exchange(Texts::VersionCommand(), true).find('%') != std::string::npos;
    terminal.Disconnect();
    return answers ? seconds : -1;
}

void ReportOpenings(const std::string& sim, int runs) {
    struct Way {
        const char* name;
        std::function<bool(CTerminal&)> open;
    };
    const Way ways[] = {
        {"prescribed (Mini line first)", [](CTerminal& t) { return t.OpenSession(); }},
        {"probe (port search, read windows)", [](CTerminal& t) { return t.ProbeSession(); }},
        {"Slim line first (edition remembered)", SlimFirstOpening},
    };
    for (const char* edition : {"mini", "minisx", "slim"}) {
        for (const Way& way : ways) {
            std::vector<double> seconds;
            for (int i = 0; i < runs; ++i) {
                seconds.push_back(Opening(sim, edition, way.open));
            }
            std::sort(seconds.begin(), seconds.end());
            const double median = seconds[seconds.size() / 2];
            char figure[32];
            std::snprintf(figure, sizeof figure, "%.2f", median);
            std::printf("OPEN|%s|%s|%s\n", edition, way.name,
                        seconds.front() < 0 ? "not accepted" : figure);
        }
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 3;
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--only") == 0) {
            only = argv[i + 1];
        }
    }
    const std::string sim = bench::FindSim(argv[0]);
    if (sim.empty()) {
        std::fprintf(stderr, "session_floor_bench: morvik-sim not found: set MORVIK_SIM\n");
        return 1;
    }
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("session_floor_bench." + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    // Not under valgrind: its sleeps would be counted as the tool's work.
    std::unique_ptr<bench::Lateness> lateness;
    if (!RUNNING_ON_VALGRIND) {
        lateness = std::make_unique<bench::Lateness>();
    }
    for (const Session& s : Sessions(dir)) {
        if (!only.empty() && s.name.find(only) == std::string::npos) {
            continue;
        }
        if (lateness) {
            lateness->Take();
        }
        std::vector<Measured> measured;
        for (int i = 0; i < runs; ++i) {
            measured.push_back(RunOnce(sim, s, lateness.get()));
        }
        Report(s, measured, lateness ? lateness->Take() : bench::Lateness::Figures{});
    }
    if (only.empty() || only == "opening") {
        ReportOpenings(sim, runs);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
