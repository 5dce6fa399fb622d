// What the command-line tool decides before it speaks to a terminal: input with faults sends
// nothing at all, "ports --search" does not take a device path, and the first-communication
// notice is printed for a Slim only, never under --quiet.

#include <gtest/gtest.h>

#include "cli/CliStringIds.h"
#include "files/MiniFamilySettingsFile.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::RunResult;

class CliInputFirst : public ::testing::Test {
  protected:
    std::map<std::string, std::string> Env() const {
        return {{"MORVIK_CONFIG_DIR", dir_.File("config")},
                {"MORVIK_SYSFS_ROOT", dir_.File("sys")},
                {"MORVIK_DEV_ROOT", dir_.File("dev")}};
    }
    RunResult Morvik(const test::SimProcess& sim, std::vector<std::string> args) {
        args.insert(args.begin(), {test::RequiredEnv("MORVIK_CLI"), "--device", sim.DevicePath()});
        return test::RunProgram(args, "", Env(), std::chrono::seconds(60));
    }
    test::SimProcess Sim(const std::string& edition) {
        return test::SimProcess(test::SimOptionsFor(edition, {}, Env()));
    }
    static std::string Notice() {
        return std::string(res::Text(res::ids::kStartCommunicationCaption));
    }

    test::TempDir dir_;
};

TEST_F(CliInputFirst, BadInputWakesNoTerminal) {
    const std::string file = dir_.File("bad.dat");
    // A Mini settings file whose browser URL holds characters no terminal takes (and whose other
    // records have no URL at all).
    MiniSettings settings;
    settings.sets[0].docomo.Select(BrowserRecord{"http://a/[b]?", ""});
    std::string message;
    ASSERT_TRUE(SaveMiniSettingsFile(file, settings, message)) << message;
    const std::vector<std::vector<std::string>> commands = {
        {"write", file},
        {"easy", "--url", ""},
        {"service", "--url", "http://" + std::string(300, 'a') + "/"},
    };
    for (const auto& command : commands) {
        SCOPED_TRACE(command.front());
        test::SimProcess sim = Sim("mini");
        const RunResult run = Morvik(sim, command);
        EXPECT_EQ(run.exitCode, 1) << run.err;
        EXPECT_TRUE(sim.LogLines().empty()) << "the terminal was spoken to";
    }
}

TEST_F(CliInputFirst, PortSearchRefusesADevicePath) {
    test::SimProcess sim = Sim("mini");
    const RunResult run = Morvik(sim, {"ports", "--search"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(res::Text(cli::ids::kSearchWithDevice)), std::string::npos);
    EXPECT_TRUE(sim.LogLines().empty());
}

TEST_F(CliInputFirst, FirstCommunicationNoticeForSlimOnlyAndNotWhenQuiet) {
    {
        test::SimProcess mini = Sim("mini");
        const RunResult run = Morvik(mini, {"info"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err.find(Notice()), std::string::npos);
    }
    test::SimProcess slim = Sim("slim");
    RunResult run = Morvik(slim, {"info"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find(Notice()), std::string::npos);
    run = Morvik(slim, {"--quiet", "info"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // Errors are still shown.
    run = Morvik(slim, {"--quiet", "dlog", "get", dir_.File("log.csv")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(res::Text(res::ids::kMiniNotFound)), std::string::npos);
}

}  // namespace
}  // namespace morvik
