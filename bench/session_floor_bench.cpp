// Prints, for the sessions the other benchmarks leave out, how long each takes against a
// simulated terminal at the real line speed (115200 baud) next to its floor: the 100 ms the
// exchange waits after every command line before it reads, the 25 ms pauses of a paced line
// (Slim sessions), and the wire time of every byte the terminal sent (the simulator slows only its
// own output; on a real line the bytes the tool sends add their wire time, also printed).
// The waking of a terminal when a session opens is counted as part of the session, not of its
// floor. Also prints the CPU time the tool used during a Mini read: waiting for a terminal must
// not cost processor time.
//
// Each result is also printed as a "ROW|name|seconds|floor seconds|note" line for
// bench/run_all.sh, which gathers every benchmark into one table.
//
//   session_floor_bench       (finds morvik-sim beside the build's programs, or $MORVIK_SIM)

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "BenchSim.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"

namespace {

using namespace morvik;
using Clock = std::chrono::steady_clock;

// What the exchange prescribes.
constexpr double kReplySettle = 0.100;  // after every command line
constexpr double kPacePause = 0.025;    // paced lines: after every 60 bytes and after the line
constexpr std::size_t kPaceEvery = 60;

// Counts what the protocol trace saw: bytes each way and the command lines.
class FloorCounter {
  public:
    explicit FloorCounter(bool pacedAfterOpening) : paced_(pacedAfterOpening) {}

    CProtocolTrace::Sink Sink() {
        return [this](const std::string& entry) { Take(entry); };
    }

    double Floor() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return sleeps_ + bench::WireSeconds(static_cast<double>(received_));
    }
    double SentWire() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return bench::WireSeconds(static_cast<double>(sent_));
    }
    std::size_t Lines() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }

  private:
    // Entries are "<delta> ms <direction> <escaped bytes>".
    void Take(const std::string& entry) {
        const std::size_t at = entry.find(" ms ");
        if (at == std::string::npos || at + 5 > entry.size()) {
            return;
        }
        const char direction = entry[at + 4];
        const std::string bytes =
            Unescape(entry.substr(at + 6 < entry.size() ? at + 6 : entry.size()));
        std::lock_guard<std::mutex> lock(mutex_);
        if (direction == '<') {
            received_ += bytes.size();
            return;
        }
        if (direction != '>') {
            return;
        }
        sent_ += bytes.size();
        // A command line ends with CR; the wake-up burst ("\r\n\r") is part of the opening.
        if (bytes.size() > 1 && bytes.back() == '\r' && bytes != "\r\n\r") {
            ++lines_;
            sleeps_ += kReplySettle;
            if (paced_ && opened_) {
                sleeps_ += kPacePause * static_cast<double>(1 + (bytes.size() - 1) / kPaceEvery);
            }
        }
        // A Slim session paces its lines once the opening (ending with "pow s 0") is done.
        if (bytes.starts_with("pow s 0")) {
            opened_ = true;
        }
    }

    static std::string Unescape(const std::string& text) {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\\' || i + 1 >= text.size()) {
                out += text[i];
                continue;
            }
            const char next = text[++i];
            if (next == 'r') {
                out += '\r';
            } else if (next == 'n') {
                out += '\n';
            } else if (next == 'x' && i + 2 < text.size()) {
                out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else {
                out += next;
            }
        }
        return out;
    }

    mutable std::mutex mutex_;
    bool paced_;
    bool opened_ = false;
    std::size_t sent_ = 0;
    std::size_t received_ = 0;
    std::size_t lines_ = 0;
    double sleeps_ = 0;
};

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double CpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Measured {
    bool ok = false;
    double seconds = 0;
    double floor = 0;
    double cpu = 0;
    double sentWire = 0;
    std::size_t lines = 0;
};

// Runs one session against a fresh simulator: open (unless the worker opens), run, close.
Measured Measure(const std::string& sim, const std::string& edition, bool workerOpens,
                 const std::function<std::unique_ptr<CSessionWorker>(CTerminal&)>& make,
                 const std::function<bool(const CSessionWorker&)>& judge) {
    bench::Sim terminalSim(sim, {"--edition", edition, "--baud", "115200"});
    Measured m;
    if (terminalSim.Device().empty()) {
        return m;
    }
    CSilentReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(terminalSim.Device());
    terminal.SetFirstCommunication(false);
    FloorCounter counter(edition == "slim");
    terminal.Trace().SetSink(counter.Sink());

    const double cpuStart = CpuSeconds();
    const auto start = Clock::now();
    if (!workerOpens && !(terminal.Connect(true) && terminal.OpenSession())) {
        return m;
    }
    std::unique_ptr<CSessionWorker> session = make(terminal);
    session->Start();
    session->Join();
    terminal.Disconnect();
    m.seconds = Seconds(Clock::now() - start);
    m.cpu = CpuSeconds() - cpuStart;
    m.ok = judge(*session);
    m.floor = counter.Floor();
    m.lines = counter.Lines();
    m.sentWire = counter.SentWire();
    return m;
}

void Report(const char* name, const Measured& m) {
    if (!m.ok) {
        std::printf("%s: the session failed\nROW|%s|-|-|failed\n", name, name);
        return;
    }
    std::printf("%s: %.2f s, floor %.2f s (%zu command lines), ratio %.2f; tool CPU %.3f s\n", name,
                m.seconds, m.floor, m.lines, m.seconds / m.floor, m.cpu);
    std::printf("ROW|%s|%.2f|%.2f|%zu lines, tool CPU %.3f s; real line +%.2f s\n", name, m.seconds,
                m.floor, m.lines, m.cpu, m.sentWire);
    std::fflush(stdout);
}

}  // namespace

int main(int, char** argv) {
    const std::string sim = bench::FindSim(argv[0]);
    if (sim.empty()) {
        std::fprintf(stderr, "session_floor_bench: morvik-sim not found: set MORVIK_SIM\n");
        return 1;
    }
    auto completed = [](const CSessionWorker& s) { return s.Completed() || s.WarningsOnly(); };

    Report(
        "Mini read (42 values)",
        Measure(
            sim, "mini", true,
            [](CTerminal& t) { return std::make_unique<CMiniReadSession>(t, true); }, completed));
    Report(
        "MiniSx read",
        Measure(
            sim, "minisx", true,
            [](CTerminal& t) { return std::make_unique<CMiniSXReadSession>(t, true); }, completed));
    Report("Slim read",
           Measure(
               sim, "slim", false,
               [](CTerminal& t) { return std::make_unique<CSlimReadSession>(t); }, completed));
    SlimEditorState state;
    state.function = SlimFunction::BrowserMailer;
    state.browser = BrowserRecord{"http://www.example.jp/touch?", "Welcome"};
    state.mailer = MailerRecord{"info@example.jp", "", "subject", "body text", "m"};
    Report("Slim write (function 3)",
           Measure(
               sim, "slim", false,
               [state](CTerminal& t) { return std::make_unique<CSlimWriteSession>(t, state); },
               [](const CSessionWorker& s) { return s.Completed(); }));
    return 0;
}
