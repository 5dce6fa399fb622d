// The files the simulator makes: its COMn link is its own or none (an existing COMn belongs to
// whoever made it), and its state file is written through a temporary file that it creates
// itself, so a link planted beside the state file leads nowhere.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SimFiles, AnExistingComLinkIsRefusedAndKept) {
    test::TempDir config;
    fs::create_directories(config.File("ports"));
    fs::create_symlink("/dev/ttyUSB7", config.File("ports/COM3"));  // an adapter's number

    const test::RunResult run =
        test::RunProgram({test::RequiredEnv("MORVIK_SIM"), "--com", "3"}, "",
                         {{"MORVIK_CONFIG_DIR", config.path()}}, std::chrono::seconds(30));
    EXPECT_FALSE(run.timedOut) << "the simulator took COM3";
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(fs::read_symlink(config.File("ports/COM3")), "/dev/ttyUSB7");
}

TEST(SimFiles, ALinkAtTheOldTemporaryNameOfTheStateFileIsNotFollowed) {
    test::TempDir dir;
    const std::string state = dir.File("state");
    std::ofstream(dir.File("victim")) << "keep me\n";
    fs::create_symlink(dir.File("victim"), state + ".tmp");

    test::SimProcess sim(test::SimOptionsFor("mini", {"--state", state}));
    EXPECT_EQ(Slurp(dir.File("victim")), "keep me\n");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(state)));
    EXPECT_FALSE(Slurp(state).empty());
}

}  // namespace
}  // namespace morvik
