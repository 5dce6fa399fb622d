// Prints how long a full read and a full write with twelve sounds take against a simulated Mini
// at the real line speed (115200 baud), each next to its floor: the pauses the exchange and the
// upload prescribe plus the wire time of every byte sent and received.
//
//   mini_session_bench         (finds morvik-sim beside the build's programs, or $MORVIK_SIM)

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "BenchSim.h"
#include "model/MiniCatalogue.h"
#include "model/MiniSettings.h"
#include "model/SoundImage.h"
#include "protocol/ClockLine.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"

namespace {

using namespace morvik;
using Clock = std::chrono::steady_clock;

// Each exchange of an open Mini session sleeps this long after its line before it reads.
constexpr double kExchangeSleep = 0.100;
// The upload sleeps before its first look for "done" and again before the last drain.
constexpr double kUploadSleeps = 0.200;
constexpr std::size_t kSoundBytes = 8192;  // each of the twelve files
constexpr std::size_t kBlock = 132;

double Since(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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

MiniSettings Settings(const std::filesystem::path& dir) {
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

// The token the terminal confirms a "pset" with (see the write check of the exchange).
std::size_t TokenLength(const std::string& key, const std::string& value) {
    static const std::set<std::string> kChecksummed = {"psA1", "psB1", "psA2", "psB2", "pntT"};
    if (kChecksummed.count(key) != 0 || (key.size() == 4 && key[0] == 'l')) {
        return 2;
    }
    return key == "isc" ? std::to_string(std::stoi(value)).size() : value.size();
}

struct Floor {
    double sleeps = 0;
    double sent = 0;      // bytes to the terminal
    double received = 0;  // bytes from the terminal
    double Seconds() const { return sleeps + bench::WireSeconds(sent + received); }
    // One exchange: the line and its CR out, the echo (line, CR LF) and the reply back.
    void Exchange(std::size_t lineLength, std::size_t replyLength) {
        sleeps += kExchangeSleep;
        sent += static_cast<double>(lineLength + 1);
        received += static_cast<double>(lineLength + 2 + replyLength);
    }
};

void Print(const char* what, double seconds, const Floor& floor) {
    std::printf(
        "%s\n  %.2f s; floor %.2f s (pauses %.2f s + wire %.2f s out, %.2f s in): ratio %.2f\n",
        what, seconds, floor.Seconds(), floor.sleeps, bench::WireSeconds(floor.sent),
        bench::WireSeconds(floor.received), seconds / floor.Seconds());
    // The simulator paces only what it sends; what the tool writes reaches it at once.
    const double paced = floor.sleeps + bench::WireSeconds(floor.received);
    std::printf("  against the pauses and the paced direction alone (%.2f s): ratio %.2f\n", paced,
                seconds / paced);
    std::fflush(stdout);
}

bool Open(CTerminal& terminal) {
    return terminal.Connect(true) && terminal.OpenSession();
}

int Run(const std::string& simPath, const std::filesystem::path& dir) {
    bench::Sim sim(simPath,
                   {"--edition", "mini", "--baud", "115200", "--state", (dir / "state").string()});
    if (sim.Device().empty()) {
        std::fprintf(stderr, "mini_session_bench: morvik-sim could not be started\n");
        return 1;
    }
    CSilentReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(sim.Device());
    const MiniSettings settings = Settings(dir);

    // ---- The write ----------------------------------------------------------------------------
    if (!Open(terminal)) {
        std::fprintf(stderr, "mini_session_bench: no session with the simulator\n");
        return 1;
    }
    CMiniWriteSession write(terminal, settings, true);
    auto start = Clock::now();
    write.Start();
    write.Join();
    const double writeSeconds = Since(start);
    if (!write.Completed()) {
        std::fprintf(stderr, "mini_session_bench: the write failed\n");
        return 1;
    }
    terminal.Disconnect();

    const SoundPackResult image = PackSounds(settings.soundPaths);
    const std::size_t imageLength = image.image.bytes.size();
    Floor writeFloor;
    const std::string announce = "x i 0 " + std::to_string(imageLength);
    const std::size_t blocks = (imageLength + 127) / 128;
    writeFloor.sleeps += kUploadSleeps;
    // Out: the announcement, each block, EOT. In: the echo, the NAK, each block's ACK, the ACK
    // of EOT, "done" CR LF "%".
    writeFloor.sent += static_cast<double>(announce.size() + 1 + blocks * kBlock + 1);
    writeFloor.received += static_cast<double>(announce.size() + 2 + 1 + blocks + 1 + 7);
    const std::vector<MiniKeyValue> values = MiniWriteValues(settings);
    for (const MiniKeyValue& kv : values) {
        const std::size_t line = 5 + kv.key.size() + 1 + kv.value.size();
        writeFloor.Exchange(line, 5 + TokenLength(kv.key, kv.value) + 3);
    }
    writeFloor.Exchange(std::string("rtc s 25 01 01 00 00 00").size(), 8);  // "ret=0" CR LF "%"
    writeFloor.sent += 8;                                                   // "reboot" CR LF
    char what[128];
    std::snprintf(what, sizeof what, "write: %zu values, clock, %d sounds (%zu bytes)",
                  values.size(), image.image.entries, imageLength);
    Print(what, writeSeconds, writeFloor);

    // ---- The read -----------------------------------------------------------------------------
    // The terminal restarts after the write before it takes a session again.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    if (!Open(terminal)) {
        std::fprintf(stderr, "mini_session_bench: no session with the simulator\n");
        return 1;
    }
    CMiniReadSession read(terminal, false);
    start = Clock::now();
    read.Start();
    read.Join();
    const double readSeconds = Since(start);
    terminal.Disconnect();
    if (!read.Loaded()) {
        std::fprintf(stderr, "mini_session_bench: the read failed\n");
        return 1;
    }

    // The replies as the terminal gave them, asked once more outside the timing.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Open(terminal);
    Floor readFloor;
    for (int keyId : MiniReadKeyIds()) {
        const std::string& key = res::TextCp932(keyId);
        const std::string value = MiniGetValue(terminal, key);
        // "key value" CR LF "%"
        readFloor.Exchange(5 + key.size(), key.size() + 1 + value.size() + 3);
    }
    readFloor.sent += 10;  // "reboot s" CR LF
    terminal.SendReboot();
    terminal.Disconnect();
    Print("read: 42 values", readSeconds, readFloor);
    return 0;
}

}  // namespace

int main(int, char** argv) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("mini_session_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const int status = Run(bench::FindSim(argv[0]), dir);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return status;
}
