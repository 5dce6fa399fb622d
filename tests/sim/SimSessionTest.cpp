// The simulated terminal as a tool meets it on the line: identification, echo and prompts,
// parameters and their confirmation tokens, and injected faults. Everything goes through the
// pseudo-terminal with plain POSIX reads and writes.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/RawTerminal.h"
#include "support/SimProcess.h"

namespace morvik::test {
namespace {

using namespace std::chrono_literals;

std::string Reply(const std::string& echoAndReply, const std::string& line) {
    // What follows the echo of the line.
    std::string echo = line + "\r\n";
    return echoAndReply.rfind(echo, 0) == 0 ? echoAndReply.substr(echo.size()) : echoAndReply;
}

struct Session {
    explicit Session(SimOptions options, const std::string& opening = "config mini")
        : sim(std::move(options)), term(sim.DevicePath()) {
        opened = term.OpenSession(opening);
    }
    std::string Ask(const std::string& line) { return Reply(term.Command(line), line); }
    SimProcess sim;
    RawTerminal term;
    bool opened = false;
};

TEST(SimIdentification, EveryEditionNamesItselfInItsOwnWords) {
    struct Case {
        const char* edition;
        const char* opening;
        const char* expected;
    };
    const Case cases[] = {
        {"slim", "config slim",
         "product ZRT410N\r\ntid T0012345\r\nversion 2.10\r\nboot 1\r\nwdog 0\r\n%"},
        {"mini", "config mini", "prod ZRT450\r\ntid T0012345\r\nver 1.20\r\nboot 1\r\nwdog 0\r\n%"},
        {"minis", "config mini",
         "prod ZRT450S\r\ntid T0012345\r\nver 3.10\r\nboot 1\r\nwdog 0\r\n%"},
        {"minisx", "config mini",
         "prod ZRT450SX\r\ntid T0012345\r\nver 4.05\r\nboot 1\r\nwdog 0\r\n%"},
    };
    for (const auto& c : cases) {
        Session s(SimOptionsFor(c.edition), c.opening);
        ASSERT_TRUE(s.opened) << c.edition;
        EXPECT_EQ(s.Ask("ver"), c.expected) << c.edition;
    }
    Session custom(SimOptionsFor(
        "mini", {"--tid", "ABC99", "--version", "2.05", "--boot", "4294967295", "--wdog", "1"}));
    EXPECT_EQ(custom.Ask("ver"),
              "prod ZRT450\r\ntid ABC99\r\nver 2.05\r\nboot 4294967295\r\nwdog 1\r\n%");
}

TEST(SimPrompts, NormalAndCommandModeEchoAndAnswerAsTheTableSays) {
    SimProcess sim(SimOptionsFor("mini"));
    RawTerminal t(sim.DevicePath());
    EXPECT_EQ(t.Command(""), "\r\n#");
    EXPECT_EQ(t.Command("exit"), "exit\r\n#");
    EXPECT_EQ(t.Command("ver"), "ver\r\nerror\r\n#");
    EXPECT_EQ(t.Command("config slim"), "config slim\r\nerror\r\n#");
    // A line ends at CR; LF is ignored wherever it stands.
    t.Write("\nconfig mini\r\n");
    EXPECT_EQ(t.ReadUntilPrompt(), "config mini\r\n%");
    EXPECT_EQ(t.Command(""), "\r\n%");
    EXPECT_EQ(t.Command("pget nosuchkey"), "pget nosuchkey\r\nerror\r\n%");
    EXPECT_EQ(t.Command("dance"), "dance\r\nerror\r\n%");
    EXPECT_EQ(t.Command("exit"), "exit\r\n#");
    EXPECT_EQ(t.Command("pget que1"), "pget que1\r\nerror\r\n#");

    SimProcess slim(SimOptionsFor("slim"));
    RawTerminal s(slim.DevicePath());
    EXPECT_EQ(s.Command("config mini"), "config mini\r\nerror\r\n#");
    EXPECT_EQ(s.Command("config slim"), "config slim\r\n%");
    EXPECT_EQ(s.Command("pow s 0"), "pow s 0\r\ndone 0\r\n%");
    EXPECT_EQ(s.Command("rtc get"), "rtc get\r\nerror\r\n%");
    EXPECT_EQ(s.Command("tcnt"), "tcnt\r\nerror\r\n%");
    EXPECT_EQ(s.Command("pget"), "pget\r\nerror\r\n%");
}

TEST(SimParameters, WritesAreConfirmedWithTheRightTokens) {
    Session s(SimOptionsFor("mini"));
    ASSERT_TRUE(s.opened);
    // Echo list: the value itself; isc: the value as a decimal number.
    EXPECT_EQ(s.Ask("pset que1 5"), "done 5\r\n%");
    EXPECT_EQ(s.Ask("pset isc 007"), "done 7\r\n%");
    // Text checksum: "abc" sums to 0x126, whose low byte negated is 0xda.
    EXPECT_EQ(s.Ask("pset pntT abc"), "done da\r\n%");
    // The sum runs over the unescaped text: "a b" is 0x61 0x20 0x62 = 0xe3 -> 0x1d.
    EXPECT_EQ(s.Ask("pset pntT a\\sb"), "done 1d\r\n%");
    // "ソs": the extra backslash after the 0x5C trail byte is not data, and the s stays an s:
    // 0x83 + 0x5C + 0x73 = 0x152 -> 0xae.
    EXPECT_EQ(s.Ask("pset psA1 \x83\x5C\x5Cs"), "done ae\r\n%");
    // Hex checksum over the encoded bytes: 0x0A + 0x99 * 5 = 0x307 -> 0xf9.
    EXPECT_EQ(s.Ask("pset lov1 0A99999999990000000000"), "done f9\r\n%");
    EXPECT_EQ(s.Ask("pset lov1 0G"), "error\r\n%");
    EXPECT_EQ(s.Ask("pset rslt"), "error\r\n%");
    EXPECT_EQ(s.Ask("pset dpsw 1"), "error\r\n%");  // a Slim key

    EXPECT_EQ(s.Ask("pget que1"), "que1 5\r\n%");
    EXPECT_EQ(s.Ask("pclr que1"), "done\r\n%");
    EXPECT_EQ(s.Ask("pget que1"), "que1 \r\n%");
    // Written values survive in the state file at once.
    EXPECT_EQ(s.sim.StateValue("lov1"), "0A99999999990000000000");
}

TEST(SimParameters, MiniRecordsComeBackInFileFormAndIscPacked) {
    Session s(SimOptionsFor("mini"));
    // A Toruca record as the tool writes it: the whole record escaped, so the padding of the
    // icon field travels as "\s". Fields: URL "http://a.jp/", data 1 "x y", data 2 "", data 3 "",
    // IP-ID "ID1".
    const std::string written =
        "40c0300000003\\s\\s1F\x83\x41\x83\x41\\s4\\s1http://a.jp/x\\sy"
        "ID1";
    EXPECT_EQ(s.Ask("pset psA1 " + written), "done b0\r\n%") << "token of the unescaped record";
    // Read back: fixed fields and URL raw, data 1 escaped on its own.
    EXPECT_EQ(s.Ask("pget psA1"),
              "psA1 40c0300000003  1F\x83\x41\x83\x41 4 1http://a.jp/x\\sy"
              "ID1\r\n%");
    // isc "1234" is answered as Base64 of its zlib compression at the default level.
    EXPECT_EQ(s.Ask("pset isc 1234"), "done 1234\r\n%");
    EXPECT_EQ(s.Ask("pget isc"), "isc eJwzNDI2AQAB+ADL\r\n%");

    // Slim answers its records exactly as written.
    Session slim(SimOptionsFor("slim"), "config slim");
    ASSERT_TRUE(slim.opened);
    slim.Ask("pset psh1 0050ahttp:/Touch\\shere");
    EXPECT_EQ(slim.Ask("pget psh1"), "psh1 0050ahttp:/Touch\\shere\r\n%");
}

TEST(SimParameters, FreshTerminalsListTheirKeysAndDefaultsReadBackCleanly) {
    Session mini(SimOptionsFor("mini"));
    std::string list = mini.Ask("pget");
    EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 42);
    EXPECT_EQ(list.substr(0, 12), "psA1\r\npsA2\r\n");
    EXPECT_EQ(mini.Ask("pget pow"), "pow 2\r\n%");
    EXPECT_EQ(mini.Ask("pget lib1"), "lib1 8D00001000000000000000\r\n%");

    Session sx(SimOptionsFor("minisx"));
    std::string sxList = sx.Ask("pget");
    EXPECT_EQ(std::count(sxList.begin(), sxList.end(), '\n'), 25);
    EXPECT_EQ(sxList.find("rslt"), std::string::npos);
    EXPECT_EQ(sx.Ask("pget rslt"), "error\r\n%");
    EXPECT_EQ(sx.Ask("ndef g u"), "http://www.example.jp/nfc\r\n%");
    // The token is the negated sum of the URL bytes, in upper case; an empty URL gives 00.
    EXPECT_EQ(sx.Ask("ndef s 2 abc"), "done DA\r\n%");
    EXPECT_EQ(sx.Ask("ndef g u"), "abc\r\n%");
    EXPECT_EQ(sx.Ask("pget nque"), "nque 2\r\n%");
    EXPECT_EQ(sx.Ask("ndef s 0 "), "done 00\r\n%");
    EXPECT_EQ(sx.Ask("ndef g u"), "\r\n%");
    EXPECT_EQ(sx.Ask("dlog e"), "error\r\n%");
}

TEST(SimClock, SetTimeIsKeptAsAnOffsetAndMalformedTimesAreRefused) {
    Session s(SimOptionsFor("minis"));
    EXPECT_EQ(s.Ask("rtc s 09 02 28 23 59 30"), "ret=0\r\n%");
    std::string got = s.Ask("rtc get");
    EXPECT_EQ(got.substr(0, 7 + 15), "ret=0\r\n09/02/28 23:59:") << got;
    EXPECT_EQ(s.Ask("rtc s 09 02 30 10 00 00"), "error\r\n%");
    EXPECT_EQ(s.Ask("rtc s 09 13 01 10 00 00"), "error\r\n%");
    EXPECT_EQ(s.Ask("rtc s 9 1 1 1 1 1"), "error\r\n%");
    EXPECT_EQ(s.Ask("tcnt"), "0 0\r\n%");
}

TEST(SimRestart, RebootIsDeafForAMomentAndCountsABoot) {
    Session s(SimOptionsFor("mini", {"--boot", "7"}));
    s.term.SendLine("reboot s");
    EXPECT_EQ(s.term.ReadFor(100ms), "reboot s\r\n");
    s.term.SendLine("");  // lost: the terminal is restarting
    EXPECT_EQ(s.term.ReadFor(100ms), "");
    ASSERT_TRUE(s.sim.WaitForBoot(8));
    EXPECT_EQ(s.term.Command(""), "\r\n#");  // back in normal mode
    ASSERT_TRUE(s.term.OpenSession());
    EXPECT_NE(s.Ask("ver").find("boot 8\r\n"), std::string::npos);
}

TEST(SimState, ValuesSurviveARestartOfTheSimulator) {
    TempDir dir;
    const std::string state = dir.File("terminal.state");
    {
        Session s(SimOptionsFor("mini", {"--state", state}));
        EXPECT_EQ(s.Ask("pset que2 13"), "done 13\r\n%");
        s.Ask("rtc s 10 01 01 00 00 00");
    }
    Session again(SimOptionsFor("mini", {"--state", state}));
    EXPECT_EQ(again.Ask("pget que2"), "que2 13\r\n%");
    EXPECT_EQ(again.Ask("rtc get").substr(0, 12), "ret=0\r\n10/01");
    // A damaged state file is refused with a message rather than half loaded.
    std::FILE* f = std::fopen(state.c_str(), "a");
    std::fputs("boot many\n", f);
    std::fclose(f);
    RunResult r = RunProgram({RequiredEnv("MORVIK_SIM"), "--state", state}, "", {}, 10s);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("状態ファイル"), std::string::npos) << r.err;
}

TEST(SimLog, RecordsEveryLineInOrder) {
    Session s(SimOptionsFor("slim"), "config slim");
    s.Ask("pget func");
    s.Ask("exit");
    EXPECT_EQ(s.sim.LogLines(), (std::vector<std::string>{"", "config slim", "pget func", "exit"}));
}

TEST(SimFaults, SilenceErrorsAndWrongTokens) {
    {
        SimProcess sim(SimOptionsFor("mini", {"--fault", "no-reply"}));
        RawTerminal t(sim.DevicePath());
        t.SendLine("config mini");
        EXPECT_EQ(t.ReadFor(300ms), "");
        EXPECT_TRUE(sim.WaitForLogLine("config mini"));
    }
    {
        Session s(
            SimOptionsFor("mini", {"--fault", "silent-key=que2", "--fault", "error-key=rslt",
                                   "--fault", "bad-token=lnv1", "--fault", "bad-token=psA1"}));
        ASSERT_TRUE(s.opened);
        s.term.SendLine("pget que2");
        EXPECT_EQ(s.term.ReadFor(300ms), "");
        EXPECT_EQ(s.Ask("pget que1"), "que1 0\r\n%");
        EXPECT_EQ(s.Ask("pset rslt 1"), "error\r\n%");
        EXPECT_EQ(s.Ask("pset lnv1 0A99999999990000000000"), "done fa\r\n%");
        EXPECT_EQ(s.Ask("pset psA1 abc"), "done db\r\n%");
    }
    {
        Session s(SimOptionsFor("mini", {"--fault", "silent-from=pntT"}));
        EXPECT_EQ(s.Ask("pget pnt"), "pnt 0\r\n%");
        s.term.SendLine("pget pntT");
        EXPECT_EQ(s.term.ReadFor(200ms), "");
        s.term.SendLine("pget pnt");
        EXPECT_EQ(s.term.ReadFor(200ms), "");
    }
}

TEST(SimFaults, VanishingTerminalTakesItsDeviceAway) {
    TempDir config;
    SimProcess sim(SimOptionsFor("mini", {"--com", "7", "--fault", "vanish=rtc"},
                                 {{"MORVIK_CONFIG_DIR", config.path()}}));
    const std::string link = config.File("ports/COM7");
    char target[256] = {};
    ASSERT_GT(readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), sim.DevicePath());
    RawTerminal t(link);
    ASSERT_TRUE(t.OpenSession());
    t.SendLine("rtc get");
    EXPECT_EQ(t.ReadFor(300ms), "");
    for (int i = 0; i < 200 && sim.Running(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
    EXPECT_FALSE(sim.Running());
    struct stat st {};
    EXPECT_NE(lstat(link.c_str(), &st), 0) << "the COM7 link must go with the device";
}

TEST(SimLine, OutputInPiecesAndAtLineSpeedArrivesWhole) {
    SimProcess sim(SimOptionsFor("minisx", {"--pieces", "--baud", "115200"}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    t.SendLine("ver");
    // A USB adapter hands over a few bytes at a time: the first read is not the whole reply.
    std::string first = t.ReadExactly(1);
    first += t.ReadFor(std::chrono::milliseconds(1));
    std::string rest = t.ReadUntilPrompt();
    EXPECT_LT(first.size(), 20u);
    EXPECT_EQ(first + rest,
              "ver\r\nprod ZRT450SX\r\ntid T0012345\r\nver 4.05\r\nboot 1\r\nwdog 0\r\n%");
}

TEST(SimOptions, BadCommandLinesAreRefusedWithAMessage) {
    const std::string simPath = RequiredEnv("MORVIK_SIM");
    for (const auto& args : std::vector<std::vector<std::string>>{{"--edition", "maxi"},
                                                                  {"--fault", "bad-block=0"},
                                                                  {"--fault", "explode"},
                                                                  {"--baud"},
                                                                  {"--param", "nosuch=1"},
                                                                  {"--com", "300"}}) {
        std::vector<std::string> argv = {simPath};
        argv.insert(argv.end(), args.begin(), args.end());
        RunResult r = RunProgram(argv, "", {}, 10s);
        EXPECT_EQ(r.exitCode, 2) << args[0];
        EXPECT_NE(r.err.find("morvik-sim: "), std::string::npos) << args[0];
        EXPECT_TRUE(r.out.empty());
    }
    RunResult help = RunProgram({simPath, "--help"}, "", {}, 10s);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--fault"), std::string::npos);
}

// The checksum token of a text value: the two's complement of its 8-bit sum, lower-case hex.
std::string TextToken(const std::string& value) {
    unsigned sum = 0;
    for (unsigned char c : value) {
        sum += c;
    }
    char token[3];
    std::snprintf(token, sizeof token, "%02x", (0x100 - (sum & 0xFF)) & 0xFF);
    return token;
}

// A Slim takes its line input in gulps of 64 bytes: a long line sent in one go reaches it without
// what overflowed (the line end still gets through), so it stores a cut value under a token the
// sender does not expect; the same line with a pause after every 60 bytes arrives whole. On a
// simulated line the gulp sees the bytes as they come off the wire (60 bytes take 5.2 ms there).
class SimSlimInput : public ::testing::TestWithParam<std::vector<std::string>> {};

INSTANTIATE_TEST_SUITE_P(Lines, SimSlimInput,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"--baud", "115200"}));

TEST_P(SimSlimInput, ALongLineInOneGoLosesWhatOverflowsAndAPacedOneArrivesWhole) {
    Session s(SimOptionsFor("slim", GetParam()), "config slim");
    ASSERT_TRUE(s.opened);
    const std::string value = "00501http://www.example.jp/" + std::string(60, 'a');
    const std::string line = "pset psh1 " + value;  // 97 bytes
    const std::string kept = line.substr(0, 64);

    // The pauses themselves are what is tested: bytes that follow earlier ones (the opening
    // line, the last line's end) without a pause would share their gulp.
    auto pause = [] { std::this_thread::sleep_for(100ms); };
    pause();
    s.term.Write(line + "\r");
    EXPECT_EQ(s.term.ReadUntilPrompt(), kept + "\r\ndone " + TextToken(kept.substr(10)) + "\r\n%");
    EXPECT_TRUE(s.sim.WaitForLogLine("[input lost: 33 bytes]"));
    EXPECT_EQ(s.sim.StateValue("psh1"), kept.substr(10));

    for (std::size_t at = 0; at < line.size(); at += 60) {
        pause();
        s.term.Write(line.substr(at, 60));
    }
    pause();
    s.term.Write("\r");
    EXPECT_EQ(s.term.ReadUntilPrompt(), line + "\r\ndone " + TextToken(value) + "\r\n%");
    EXPECT_EQ(s.sim.StateValue("psh1"), value);
}

// Whether a process has ended (gone, or a zombie waiting for its new parent to reap it).
bool Ended(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text)) {
        return true;
    }
    const std::size_t close = text.rfind(')');
    return close == std::string::npos || text.substr(close + 2, 1) == "Z";
}

// A simulator ends when the program that started it dies, even killed outright, so that a test
// killed by its time-out leaves no simulator (and no device link) behind.
TEST(SimLifetime, EndsWhenItsStarterIsKilled) {
    TempDir dir;
    const std::string pidFile = dir.File("pid");
    const std::string link = dir.File("COM9");
    const std::string script = "\"$MORVIK_SIM\" --edition mini --link '" + link +
                               "' >/dev/null & echo $! > '" + pidFile + ".tmp' && mv '" + pidFile +
                               ".tmp' '" + pidFile + "'; wait";
    const pid_t starter = fork();
    ASSERT_GE(starter, 0);
    if (starter == 0) {
        execl("/bin/sh", "sh", "-c", script.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    // The device link appears once the simulator is past its start-up; killing the starter any
    // earlier would test a start-up race that no real starter runs into.
    pid_t sim = 0;
    bool linked = false;
    for (int i = 0; i < 6000 && (sim <= 0 || !linked); ++i) {  // a minute for a slow start
        std::ifstream(pidFile) >> sim;
        linked = std::filesystem::is_symlink(link);
        if (sim <= 0 || !linked) {
            std::this_thread::sleep_for(10ms);
        }
    }
    ASSERT_GT(sim, 0);
    ASSERT_TRUE(linked);
    EXPECT_FALSE(Ended(sim));

    kill(starter, SIGKILL);
    waitpid(starter, nullptr, 0);
    bool ended = false;
    for (int i = 0; i < 6000 && !ended; ++i) {
        ended = Ended(sim);
        if (!ended) {
            std::this_thread::sleep_for(10ms);
        }
    }
    EXPECT_TRUE(ended);
    if (!ended) {
        kill(sim, SIGKILL);
    }
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

}  // namespace
}  // namespace morvik::test
