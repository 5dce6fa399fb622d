// morvik-sim: a Morvik terminal of any edition on a pseudo-terminal, for tests and
// demonstrations without hardware.

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string_view>

#include "link/RegularFile.h"
#include "model/Cp932.h"
#include "morvik/Version.h"
#include "sim/DetectionLog.h"
#include "sim/Pty.h"
#include "sim/SimLine.h"
#include "sim/SimLog.h"
#include "sim/SimOptions.h"
#include "sim/SimState.h"
#include "sim/Terminal.h"

namespace {

using namespace morvik::sim;

// Far more than the largest detection log a terminal keeps (32 bytes a record).
constexpr std::size_t kDlogFileMaxBytes = 64 * 1024 * 1024;

int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    char c = 1;
    [[maybe_unused]] ssize_t n = write(g_signalPipe[1], &c, 1);
}

bool InstallSignals(std::string& error) {
    if (pipe(g_signalPipe) != 0) {
        error = "パイプを作成できません";
        return false;
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

// Command-line texts arrive as UTF-8; the terminal keeps code page 932.
bool ToCp932(const std::string& utf8, std::string& out, std::string& error) {
    auto cp932 = morvik::Utf8ToCp932(utf8);
    if (!cp932) {
        error = "コードページ932で表せない文字があります: " + utf8;
        return false;
    }
    out = *cp932;
    return true;
}

// The state the terminal starts in: factory values, then the state file, then what the command
// line says explicitly.
bool BuildState(const SimOptions& o, const Edition& edition, SimState& state, std::string& error) {
    state = SimState::Factory(edition);
    if (!o.statePath.empty() && !LoadState(o.statePath, edition, state, error)) {
        return false;
    }
    if (o.tid && !ToCp932(*o.tid, state.tid, error))
        return false;
    if (o.version)
        state.version = *o.version;
    if (o.boot)
        state.boot = *o.boot;
    if (o.wdog)
        state.wdog = *o.wdog;
    if (o.touches)
        state.touches = *o.touches;
    if (o.ndef && !ToCp932(*o.ndef, state.ndef, error))
        return false;
    for (const auto& [key, value] : o.params) {
        if (!edition.HasKey(key)) {
            error = "このエディションにないキーです: " + key;
            return false;
        }
        if (!ToCp932(value, state.params[key], error))
            return false;
    }
    if (o.dlogRecords) {
        state.detectionLog.clear();
        for (uint32_t i = 0; i < *o.dlogRecords; ++i) {
            state.detectionLog.push_back(MakeDetectionRecord(i));
        }
    }
    if (!o.dlogFile.empty()) {
        const morvik::FileRead file = morvik::ReadRegularFile(o.dlogFile, kDlogFileMaxBytes);
        state.detectionLog.clear();
        if (!file.Ok()) {
            error = "検出ログファイルを読めません: " + o.dlogFile;
            return false;
        }
        if (!SplitDetectionRecords(file.bytes, state.detectionLog)) {
            error = "検出ログファイルの大きさが32バイトの倍数ではありません: " + o.dlogFile;
            return false;
        }
    }
    return true;
}

int Run(const SimOptions& o) {
    const Edition& edition = EditionOf(o.edition);
    std::string error;
    SimState state;
    SimLog log;
    Pty pty;
    if (!BuildState(o, edition, state, error) ||
        (!o.logPath.empty() && !log.Open(o.logPath, error)) || !InstallSignals(error) ||
        !pty.Open(error)) {
        std::fprintf(stderr, "morvik-sim: %s\n", error.c_str());
        return 2;
    }
    if (o.trace) {
        log.EnableTrace();
    }
    std::string linkPath = o.link;
    if (o.com != 0) {
        linkPath = PortsFolder() + "/COM" + std::to_string(o.com);
    }
    if (!linkPath.empty() && !MakeLink(pty.SlavePath(), linkPath, o.com == 0, error)) {
        std::fprintf(stderr, "morvik-sim: %s\n", error.c_str());
        return 2;
    }
    auto save = [&] {
        std::string saveError;
        if (!o.statePath.empty() && !SaveState(o.statePath, state, saveError)) {
            std::fprintf(stderr, "morvik-sim: %s\n", saveError.c_str());
        }
    };
    save();

    SimOptions mutableOptions = o;  // the faults keep their own once-only state
    SimLine line(pty, o.pacing);
    // The moment the terminal acts: its answers start on the wire then.
    Terminal::Clock::time_point acting = Terminal::Clock::now();
    Terminal terminal(
        edition, state, mutableOptions.faults, log,
        [&](std::string_view bytes) {
            log.TraceOut(bytes);
            line.Send(bytes, acting);
        },
        save);

    std::printf("%s\n", pty.SlavePath().c_str());
    std::fflush(stdout);

    bool running = true;
    while (running && !terminal.Vanished()) {
        auto now = Terminal::Clock::now();
        std::optional<Terminal::Clock::time_point> deadline = terminal.Deadline();
        if (auto due = line.Deadline(); due && (!deadline || *due < *deadline)) {
            deadline = due;
        }
        // To the microsecond: a byte on the wire takes 87 of them at 115200 baud.
        timespec wait{};
        if (deadline) {
            const auto ns = std::max<long long>(
                0, std::chrono::duration_cast<std::chrono::nanoseconds>(*deadline - now).count());
            wait.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            wait.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        }
        pollfd fds[2] = {{pty.MasterFd(), line.PollEvents(), 0}, {g_signalPipe[0], POLLIN, 0}};
        int n = ppoll(fds, 2, deadline ? &wait : nullptr, nullptr);
        if (n < 0 && errno != EINTR) {
            break;
        }
        now = Terminal::Clock::now();
        if (n > 0 && (fds[1].revents & POLLIN) != 0) {
            running = false;
            break;
        }
        if (n > 0 && (fds[0].revents & POLLIN) != 0) {
            log.TraceIn(line.Receive(now));
        } else if (n > 0 && (fds[0].revents & (POLLHUP | POLLERR)) != 0) {
            // Cannot normally happen while we hold the slave open; avoid a busy loop anyway.
            usleep(20000);
        }
        // The terminal takes each byte that has crossed at the moment it did.
        Wire& input = line.Input();
        const std::size_t arrived = input.Arrived(now);
        std::size_t taken = 0;
        while (taken < arrived && !terminal.Vanished()) {
            acting = input.ArrivalOf(taken);
            if (!terminal.OnByte(input.Byte(taken++), acting)) {
                taken = input.Size();
            }
        }
        input.Drop(taken);
        acting = now;
        terminal.OnTimer(now);
        line.Transmit(now);
    }
    // What the terminal said before it vanished has reached the tool; then the device goes away
    // at once, as an unplugged cable does.
    line.Transmit(Terminal::Clock::now());
    pty.Close();
    if (!linkPath.empty()) {
        RemoveLink(pty.SlavePath(), linkPath);
    }
    return 0;
}

// A simulator belongs to the program that started it (a test, a script): when that program dies,
// even killed, the simulator gets SIGTERM and ends as on any SIGTERM, removing its device link.
// The kernel sends the signal when the thread that started us ends, so starters keep the thread
// alive as long as the simulator. False when the starter is already gone.
bool EndWithStarter() {
    const pid_t starter = getppid();
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0) {
        return true;  // not on this system: the simulator runs until it is stopped
    }
    return getppid() == starter;
}

// Output that did not arrive (a full disk, a closed pipe) is a failure, said on standard error.
int Printed() {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::fputs("morvik-sim: 標準出力に書き込めませんでした。\n", stderr);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Alone, --version names this program's version; with a value it sets the terminal's.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("morvik-sim %s\n", morvik::kProgramVersion);
        return Printed();
    }
    if (!morvik::Cp932ConverterAvailable()) {
        std::fprintf(stderr, "morvik-sim: %s", morvik::Cp932MissingMessage());
        return 1;
    }
    if (!EndWithStarter()) {
        return 0;
    }
    SimOptions options;
    std::string error;
    if (!ParseOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "morvik-sim: %s\n%s", error.c_str(),
                     "詳しくは morvik-sim --help を参照してください。\n");
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return Printed();
    }
    return Run(options);
}
