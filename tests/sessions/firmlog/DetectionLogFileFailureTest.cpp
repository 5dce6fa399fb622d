// The detection log's CSV that cannot be written or put in place: a file failure (311), not the
// time-out text of a terminal that stopped sending (334). The terminal still ends in "reboot s".

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "protocol/Terminal.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/DetectionLogSession.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/RecordingReporter.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

// Files this process writes may not grow beyond a few bytes while it lives: a full disk.
class FullDisk {
  public:
    FullDisk() {
        std::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit fails instead of killing
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = 64;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

  private:
    rlimit saved_{};
};

// A target that is not a regular file (a folder of that name) is refused before the transfer, as
// every save refuses it (the save target tests); what is left to fail is the writing itself.
TEST(DetectionLogFileFailure, AFullDiskIsReportedAsAFileFailure) {
    test::TempDir files;
    const std::string records = test::WriteRecordFile(files, test::MakeRecords(9));
    test::SimProcess sim(test::SimOptionsFor("mini", {"--dlog-file", records}));
    test::RecordingReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(sim.DevicePath());
    terminal.SetFirstCommunication(false);

    const std::string path = files.File("log.csv");
    ASSERT_TRUE(terminal.Connect(false));
    ASSERT_TRUE(terminal.OpenSession());
    ASSERT_EQ(RequestDetectionLog(terminal), 9);
    CDetectionLogWorker worker(terminal, path, 9);
    {
        FullDisk full;
        worker.Start();
        worker.Join();
    }
    EXPECT_EQ(worker.Outcome(), DetectionLogOutcome::kDiskFull);
    EXPECT_EQ(worker.StatusId(), res::ids::kDetectionLogFailed);
    EXPECT_EQ(reporter.Shown(),
              std::vector<std::string>{"error: " +
                                       std::string(res::Text(res::ids::kDetectionLogFailed))});
    EXPECT_FALSE(std::filesystem::is_regular_file(path));
    EXPECT_TRUE(sim.WaitForLogLine("reboot s"));
}

// The command line says it once, and says why.
TEST(DetectionLogFileFailure, TheCommandLineSaysOnceThatTheDiskIsFull) {
    test::TempDir files;
    const std::string records = test::WriteRecordFile(files, test::MakeRecords(9));
    test::SimProcess sim(test::SimOptionsFor("mini", {"--dlog-file", records}));
    test::RunResult run;
    {
        FullDisk full;  // inherited by the program
        run = test::RunProgram({test::RequiredEnv("MORVIK_CLI"), "--device", sim.DevicePath(),
                                "dlog", "get", files.File("log.csv")},
                               "", {{"MORVIK_CONFIG_DIR", files.File("config")}});
    }
    EXPECT_EQ(run.exitCode, 1) << run.err;
    const std::string failed(res::Text(res::ids::kDetectionLogFailed));
    const size_t first = run.err.find(failed);
    ASSERT_NE(first, std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(failed, first + 1), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("保存先のディスクに空きがありません。"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(files.File("log.csv")));
}

}  // namespace
}  // namespace morvik
