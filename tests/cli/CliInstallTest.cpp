// What an operator of an installed tool meets first: the version of each program, and a cable
// that this user may not open.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "morvik/Version.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::RunResult;

RunResult RunTool(std::vector<std::string> args,
                  const std::map<std::string, std::string>& env = {}) {
    return test::RunProgram(args, "", env, std::chrono::seconds(60));
}

TEST(CliInstall, EveryProgramNamesTheVersionOfTheBuild) {
    const RunResult cli = RunTool({test::RequiredEnv("MORVIK_CLI"), "--version"});
    EXPECT_EQ(cli.exitCode, 0);
    EXPECT_EQ(cli.out, std::string("morvik ") + kProgramVersion + "\n");
    // The simulator's --version with a value is the simulated firmware's; alone it is its own.
    const RunResult sim = RunTool({test::RequiredEnv("MORVIK_SIM"), "--version"});
    EXPECT_EQ(sim.exitCode, 0);
    EXPECT_EQ(sim.out, std::string("morvik-sim ") + kProgramVersion + "\n");
}

TEST(CliInstall, APortThisUserMayNotOpenNamesTheFix) {
    test::TempDir dir;
    const std::string device = dir.File("ttyUSB0");
    std::ofstream(device) << "";
    std::filesystem::permissions(device, std::filesystem::perms::none);
    std::vector<std::string> args = {test::RequiredEnv("MORVIK_CLI"), "--device", device, "info"};
    if (::geteuid() == 0) {
        // Root opens any device; an operator does not.
        const char* setpriv = "/usr/bin/setpriv";
        if (::access(setpriv, X_OK) != 0) {
            GTEST_SKIP() << "running as root without setpriv";
        }
        args.insert(args.begin(), {setpriv, "--reuid=65534", "--regid=65534", "--clear-groups"});
    }
    const RunResult run = RunTool(args, {{"MORVIK_CONFIG_DIR", dir.File("config")}});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("エラー: COMポートのオープンに失敗しました。\n"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("dialoutグループ"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("70-morvik-tool.rules"), std::string::npos) << run.err;

    // A device that is simply not there gets the plain message, without the permission advice.
    const RunResult missing =
        RunTool({test::RequiredEnv("MORVIK_CLI"), "--device", dir.File("none"), "info"},
                {{"MORVIK_CONFIG_DIR", dir.File("config")}});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("COMポートのオープンに失敗しました。"), std::string::npos);
    EXPECT_EQ(missing.err.find("dialout"), std::string::npos) << missing.err;
}

}  // namespace
}  // namespace morvik
