// SIGINT or SIGTERM in the middle of a long command: the command-line tool stops its worker, lets
// it end the transfer and restart the terminal ("reboot s"), leaves no partial file, prints its
// cancelled text and exits 130.

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "cli/CliStringIds.h"
#include "res/Strings.h"
#include "support/SimProcess.h"
#include "support/Spawn.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

struct InterruptCase {
    const char* name;
    std::vector<std::string> command;  // after the global options; "OUT" is the output file
    std::vector<std::string> simArgs;
    int signal;
    std::string startedLine;  // the terminal has received this line: the work is under way
};

void PrintTo(const InterruptCase& c, std::ostream* os) {
    *os << c.name;
}

class CliInterrupt : public ::testing::TestWithParam<InterruptCase> {
  protected:
    // Starts morvik with its output in files; the process id.
    pid_t Start(const std::vector<std::string>& args) {
        std::vector<std::string> argv = {test::RequiredEnv("MORVIK_CLI")};
        argv.insert(argv.end(), args.begin(), args.end());
        return test::Spawn(
            argv,
            {"MORVIK_CONFIG_DIR=" + dir_.File("config"), "MORVIK_SYSFS_ROOT=" + dir_.File("sys"),
             "MORVIK_DEV_ROOT=" + dir_.File("dev")},
            dir_.File("out"), dir_.File("err"));
    }
    // The exit code; minus the signal number when the signal killed the program.
    static int Wait(pid_t pid) { return test::WaitExit(pid); }
    std::string Err() const {
        std::ifstream in(dir_.File("err"));
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    test::TempDir dir_;
};

TEST_P(CliInterrupt, StopsCleanlyAndExits130) {
    const InterruptCase& c = GetParam();
    test::SimProcess sim(
        test::SimOptionsFor("mini", c.simArgs, {{"MORVIK_CONFIG_DIR", dir_.File("simconfig")}}));
    const fs::path folder = dir_.File("files");
    fs::create_directories(folder);
    std::vector<std::string> args = {"--device", sim.DevicePath()};
    for (const std::string& word : c.command) {
        args.push_back(word == "OUT" ? (folder / "result").string() : word);
    }
    const pid_t pid = Start(args);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(sim.WaitForLogLine(c.startedLine, std::chrono::seconds(30)));
    ::kill(pid, c.signal);
    EXPECT_EQ(Wait(pid), 130) << Err();
    EXPECT_NE(Err().find(res::Text(cli::ids::kInterrupted)), std::string::npos) << Err();
    EXPECT_TRUE(fs::is_empty(folder)) << "a partial file was left";
    // The terminal was told to leave command mode after the command it was interrupted in.
    ASSERT_TRUE(sim.WaitForLogLine("reboot s"));
    const std::vector<std::string> lines = sim.LogLines();
    const auto started = std::find(lines.begin(), lines.end(), c.startedLine);
    EXPECT_NE(std::find(started, lines.end(), "reboot s"), lines.end());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliInterrupt,
    ::testing::Values(
        InterruptCase{"DlogGetSigint",
                      {"dlog", "get", "OUT"},
                      {"--dlog-records", "2000", "--baud", "115200"},
                      SIGINT,
                      "dlog g"},
        InterruptCase{"MaintSigterm", {"maint", "OUT"}, {"--baud", "115200"}, SIGTERM, "tcnt"},
        InterruptCase{"ReadSigint", {"read", "OUT"}, {"--baud", "115200"}, SIGINT, "pget rslt"}),
    [](const ::testing::TestParamInfo<InterruptCase>& info) { return info.param.name; });

}  // namespace
}  // namespace morvik
