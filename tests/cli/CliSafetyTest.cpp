// The command-line tool facing what it does not control: a terminal that sends escape
// sequences, a target that is not a file, an output that cannot be written, a ports folder with
// things in it that are not ports, a system without the code page 932 converter, and the
// operator's own terminal named as the port.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace fs = std::filesystem;
using test::RunResult;

class CliSafety : public ::testing::Test {
  protected:
    RunResult Morvik(std::vector<std::string> args,
                     std::map<std::string, std::string> extraEnv = {}) {
        args.insert(args.begin(), test::RequiredEnv("MORVIK_CLI"));
        std::map<std::string, std::string> env = Env();
        env.insert(extraEnv.begin(), extraEnv.end());
        return test::RunProgram(args, "", env, std::chrono::seconds(60));
    }
    std::map<std::string, std::string> Env() const {
        return {{"MORVIK_CONFIG_DIR", config_.path()},
                {"MORVIK_SYSFS_ROOT", machine_.File("sys")},
                {"MORVIK_DEV_ROOT", machine_.File("dev")}};
    }
    test::SimProcess Sim(std::vector<std::string> args = {}) {
        return test::SimProcess({.edition = "mini", .args = std::move(args), .env = Env()});
    }

    test::TempDir config_;
    test::TempDir machine_;
};

TEST_F(CliSafety, InfoShowsEscapeSequencesOfTheTerminalAsPlainText) {
    test::SimProcess sim = Sim({"--tid", "\x1b]0;owned\x07T1\x1b[31m", "--version", "1.0\x1b[2J2"});
    const RunResult run = Morvik({"--device", sim.DevicePath(), "info"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find('\x07'), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("?]0;owned?T1?[31m"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("1.0?[2J2"), std::string::npos) << run.out;
}

TEST_F(CliSafety, OutputThatCannotBeWrittenIsAFailure) {
    test::SimProcess sim = Sim();
    const std::string command =
        test::RequiredEnv("MORVIK_CLI") + " --device " + sim.DevicePath() + " info > /dev/full";
    const RunResult run = test::RunProgram({"/bin/sh", "-c", command}, "", Env());
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("標準出力に書き込めませんでした。"), std::string::npos) << run.err;
}

TEST_F(CliSafety, ASaveTargetThatIsNotAFileIsRefusedBeforeTheTerminalIsAsked) {
    test::SimProcess sim = Sim();
    const std::string fifo = config_.File("maint.mnt");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::vector<std::vector<std::string>> saves = {{"maint"}, {"read"}, {"dlog", "get"}};
    for (std::vector<std::string> args : saves) {
        SCOPED_TRACE(args.front());
        args.insert(args.begin(), {"--device", sim.DevicePath()});
        args.push_back(fifo);
        const RunResult run = Morvik(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("ファイルのオープンに失敗しました。"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(sim.LogLines().empty())
        << "the terminal was asked before the file was refused: " << sim.LogLines().front();
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(CliSafety, PortsListsCharacterDevicesOnly) {
    test::SimProcess sim = Sim();
    const fs::path ports = config_.File("ports");
    fs::create_directories(ports);
    std::ofstream(config_.File("plain")) << "not a port\n";
    ASSERT_EQ(::mkfifo(config_.File("fifo").c_str(), 0644), 0);
    fs::create_directory(config_.File("folder"));
    fs::create_symlink(config_.File("plain"), ports / "COM1");
    fs::create_symlink("/dev/null", ports / "COM2");
    fs::create_symlink(config_.File("folder"), ports / "COM3");
    fs::create_symlink(config_.File("fifo"), ports / "COM4");
    fs::create_symlink(sim.DevicePath(), ports / "COM5");

    const RunResult run = Morvik({"ports"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* notAPort : {"COM1", "COM2", "COM3", "COM4"}) {
        // A listed port is "COMn  device"; the port in use is named on a line of its own.
        EXPECT_EQ(run.out.find(std::string(notAPort) + "  "), std::string::npos)
            << notAPort << " in\n"
            << run.out;
    }
    EXPECT_NE(run.out.find(sim.DevicePath()), std::string::npos) << run.out;
}

TEST_F(CliSafety, AMissingCodePageConverterIsSaidInAsciiAndNothingIsSent) {
    test::SimProcess sim = Sim();
    // glibc takes the modules named in GCONV_PATH first: a CP932 module that cannot be loaded
    // makes the converter as unavailable as on a system that lacks the table.
    test::TempDir gconv;
    std::ofstream(gconv.File("gconv-modules")) << "module\tCP932//\tINTERNAL\tNO-SUCH-MODULE\t0\n"
                                                  "module\tINTERNAL\tCP932//\tNO-SUCH-MODULE\t0\n";
    const RunResult run =
        Morvik({"--device", sim.DevicePath(), "info"}, {{"GCONV_PATH", gconv.path()}});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("CP932"), std::string::npos) << run.err;
    for (char c : run.err) {
        EXPECT_LT(static_cast<unsigned char>(c), 0x80) << "not plain ASCII: " << run.err;
        if (static_cast<unsigned char>(c) >= 0x80) {
            break;
        }
    }
    EXPECT_TRUE(run.out.empty());
    EXPECT_TRUE(sim.LogLines().empty()) << "a line was sent without the converter";
}

TEST_F(CliSafety, TheLineSettingsOfThePortAreTheSameAfterASession) {
    test::SimProcess sim = Sim();
    const int fd = ::open(sim.DevicePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    // A line as a shell would have it: cooked, echoing, 9600 baud.
    termios before{};
    ASSERT_EQ(::tcgetattr(fd, &before), 0);
    before.c_lflag |= ICANON | ECHO | ISIG;
    before.c_oflag |= OPOST | ONLCR;
    before.c_iflag |= ICRNL;
    ::cfsetispeed(&before, B9600);
    ::cfsetospeed(&before, B9600);
    ASSERT_EQ(::tcsetattr(fd, TCSANOW, &before), 0);
    ASSERT_EQ(::tcgetattr(fd, &before), 0);

    const RunResult run = Morvik({"--device", sim.DevicePath(), "info"});
    EXPECT_EQ(run.exitCode, 0) << run.err;

    termios after{};
    ASSERT_EQ(::tcgetattr(fd, &after), 0);
    ::close(fd);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(after.c_oflag, before.c_oflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(::cfgetospeed(&after), B9600);
}

TEST_F(CliSafety, TheProgramsOwnTerminalIsNoPort) {
    test::SimProcess sim = Sim();
    // In a session of its own whose controlling terminal is the simulator's line, the tool is
    // asked to use that very line.
    const std::string command = "exec " + test::RequiredEnv("MORVIK_CLI") + " --device " +
                                sim.DevicePath() + " info <> " + sim.DevicePath();
    const RunResult run =
        test::RunProgram({"/usr/bin/setsid", "-w", "/bin/sh", "-c", command}, "", Env());
    EXPECT_NE(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("COMポートのオープンに失敗しました。"), std::string::npos) << run.err;
    EXPECT_TRUE(sim.LogLines().empty()) << "the tool talked on its own terminal";
}

}  // namespace
}  // namespace morvik
