// The detection log retrieval against the simulated terminal: the count, the blocks turned into
// CSV, a damaged block, cancel, an empty log, a file that cannot be created.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "protocol/Terminal.h"
#include "sessions/DetectionLogSession.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"
#include "support/RecordingReporter.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;

class DetectionLog : public ::testing::Test {
  protected:
    // A Mini terminal holding records; extra: further simulator options.
    void StartSim(const std::vector<std::string>& records, std::vector<std::string> extra = {}) {
        if (!records.empty()) {
            extra.push_back("--dlog-file");
            extra.push_back(test::WriteRecordFile(files_, records));
        }
        sim_ = std::make_unique<test::SimProcess>(test::SimOptionsFor("mini", extra));
        terminal_.SetDevicePath(sim_->DevicePath());
        terminal_.SetFirstCommunication(false);  // no power-saving notice in the reports
    }
    // Connects, opens a session and asks for the log: the count.
    std::int64_t Request() {
        EXPECT_TRUE(terminal_.Connect(false));
        EXPECT_TRUE(terminal_.OpenSession());
        return RequestDetectionLog(terminal_);
    }
    // The whole retrieval into path; the worker's outcome.
    DetectionLogOutcome Retrieve(const std::string& path, std::int64_t expectedCount) {
        const std::int64_t count = Request();
        EXPECT_EQ(count, expectedCount);
        if (count <= 0) {
            return DetectionLogOutcome::kRunning;
        }
        CDetectionLogWorker worker(terminal_, path, count);
        worker.Start();
        worker.Join();
        EXPECT_TRUE(worker.Finished());
        return worker.Outcome();
    }
    bool Logged(const std::string& line) const { return sim_->WaitForLogLine(line); }

    test::TempDir files_;
    test::RecordingReporter reporter_;
    CTerminal terminal_{reporter_};
    std::unique_ptr<test::SimProcess> sim_;
};

TEST(DetectionLogCount, ParsedBetweenMarkerAndLineEnd) {
    EXPECT_EQ(ParseDetectionLogCount("dlog: 12\r\n"), 12);
    EXPECT_EQ(ParseDetectionLogCount("\r\ndlog: 0\r\n"), 0);
    EXPECT_EQ(ParseDetectionLogCount("dlog: 12"), -1);  // the line end has not arrived
    EXPECT_EQ(ParseDetectionLogCount("dlog: 1x\r\n"), -1);
    EXPECT_EQ(ParseDetectionLogCount("dlog: \r\n"), -1);
    EXPECT_EQ(ParseDetectionLogCount("dlog: -3\r\n"), -1);
    EXPECT_EQ(ParseDetectionLogCount("error\r\n%"), -1);
    EXPECT_EQ(ParseDetectionLogCount("dlog: 99999999999\r\n"), -1);
}

TEST_F(DetectionLog, LogsOfSeveralSizesBecomeTheirCsv) {
    for (std::size_t n : {1u, 4u, 5u, 301u}) {
        SCOPED_TRACE(n);
        const auto records = test::MakeRecords(n, true);
        StartSim(records, {"--pieces"});
        const std::string path = files_.File("log" + std::to_string(n) + ".csv");
        EXPECT_EQ(Retrieve(path, static_cast<std::int64_t>(n)), DetectionLogOutcome::kSaved);
        EXPECT_EQ(test::ReadWholeFile(path), test::ExpectedCsv(records));
        EXPECT_TRUE(Logged("reboot s"));
        EXPECT_FALSE(terminal_.IsConnected());
    }
}

TEST_F(DetectionLog, ADamagedBlockIsAskedForAgainNotWritten) {
    const auto records = test::MakeRecords(13);
    StartSim(records, {"--fault", "bad-block=2"});
    const std::string path = files_.File("log.csv");
    EXPECT_EQ(Retrieve(path, 13), DetectionLogOutcome::kSaved);
    EXPECT_EQ(test::ReadWholeFile(path), test::ExpectedCsv(records));
}

// A terminal that goes on sending blocks after the records it announced (it never sends EOT) has
// a damaged log: the transfer is stopped, nothing is saved, the terminal is restarted.
TEST_F(DetectionLog, ALogThatGoesOnPastItsCountIsStoppedAsDamaged) {
    StartSim(test::MakeRecords(4), {"--fault", "endless-log"});
    const std::string path = files_.File("log.csv");
    test::WriteWholeFile(path, "before");
    EXPECT_EQ(Retrieve(path, 4), DetectionLogOutcome::kFailed);
    EXPECT_EQ(reporter_.Shown(), std::vector<std::string>{"error: 検出ログの取得に失敗しました。"});
    EXPECT_EQ(test::ReadWholeFile(path), "before");
    EXPECT_TRUE(Logged("[dlog cancelled after 1 blocks]"));
    EXPECT_TRUE(Logged("reboot s"));
    EXPECT_FALSE(terminal_.IsConnected());
}

TEST_F(DetectionLog, EmptyLogEndsWithCanAndRestart) {
    StartSim({});
    EXPECT_EQ(Request(), 0);
    EndEmptyDetectionLog(terminal_);
    EXPECT_TRUE(Logged("[dlog 0 records]"));
    EXPECT_TRUE(Logged("reboot s"));
    EXPECT_FALSE(terminal_.IsConnected());
}

TEST_F(DetectionLog, CancelLeavesNoFileAndKeepsTheOldOne) {
    // At the real line speed 2000 records take several seconds: time to cancel half-way.
    StartSim(test::MakeRecords(2000), {"--baud", "115200"});
    const std::string path = files_.File("old.csv");
    test::WriteWholeFile(path, "before");
    const std::int64_t count = Request();
    ASSERT_EQ(count, 2000);
    CDetectionLogWorker worker(terminal_, path, count);
    worker.Start();
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (worker.Records() < 200 && !worker.Finished() &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    worker.Cancel();
    worker.Join();
    EXPECT_EQ(worker.Outcome(), DetectionLogOutcome::kCancelled);
    EXPECT_EQ(worker.StatusId(), 337);
    EXPECT_EQ(test::ReadWholeFile(path), "before");
    // Nothing else is left in the folder: no temporary file either.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(files_.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"old.csv", "records.bin"}));
    EXPECT_TRUE(Logged("reboot s"));
}

TEST_F(DetectionLog, FileThatCannotBeCreatedIsReportedAtOnce) {
    StartSim(test::MakeRecords(8));
    const std::string path = files_.File("missing-folder/log.csv");
    EXPECT_FALSE(FileCanBeWritten(path));
    EXPECT_EQ(Retrieve(path, 8), DetectionLogOutcome::kCannotCreate);
    EXPECT_EQ(reporter_.Shown(),
              std::vector<std::string>{"error: ファイルのオープンに失敗しました。"});
    // The terminal was taken out of its transfer and restarted.
    EXPECT_TRUE(Logged("reboot s"));
    EXPECT_FALSE(test::FileExists(path));
}

TEST_F(DetectionLog, TerminalThatGoesAwayMidTransferTimesOut) {
    StartSim(test::MakeRecords(2000), {"--baud", "115200"});
    const std::string path = files_.File("log.csv");
    const std::int64_t count = Request();
    ASSERT_EQ(count, 2000);
    CDetectionLogWorker worker(terminal_, path, count);
    worker.Start();
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (worker.Records() < 100 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    sim_->Stop();
    worker.Join();
    EXPECT_EQ(worker.Outcome(), DetectionLogOutcome::kTimeout);
    EXPECT_EQ(worker.StatusId(), 334);
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_FALSE(terminal_.IsConnected());
}

}  // namespace
}  // namespace morvik
