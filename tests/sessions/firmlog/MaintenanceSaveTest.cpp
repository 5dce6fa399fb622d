// The maintenance information save against the simulated terminal: the text in its order, the
// compressed file, and what a stopped save leaves behind.

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "model/Pack.h"
#include "protocol/Terminal.h"
#include "sessions/MaintenanceSave.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"
#include "support/RawTerminal.h"
#include "support/RecordingReporter.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start) + "<no line end>");
    }
    return lines;
}

class Maintenance : public ::testing::Test {
  protected:
    void StartSim(const std::string& edition, std::vector<std::string> extra = {}) {
        sim_ = std::make_unique<test::SimProcess>(test::SimOptionsFor(edition, extra));
        terminal_.SetDevicePath(sim_->DevicePath());
        terminal_.SetFirstCommunication(false);  // no power-saving notice in the reports
    }
    // The names the terminal lists for "pget", asked by a bare client.
    std::vector<std::string> ListedNames() {
        test::RawTerminal raw(sim_->DevicePath());
        EXPECT_TRUE(raw.OpenSession("config mini"));
        std::string reply = raw.Command("pget");
        raw.Command("exit");
        std::vector<std::string> names;
        for (const std::string& line : Lines(reply)) {
            if (!line.empty() && line != "pget" && line[0] != '%') {
                names.push_back(line);
            }
        }
        return names;
    }
    MaintenanceOutcome Save(const std::string& path) {
        worker_ = std::make_unique<CMaintenanceWorker>(terminal_, path);
        worker_->Start();
        worker_->Join();
        EXPECT_TRUE(worker_->Finished());
        EXPECT_FALSE(terminal_.IsConnected());
        return worker_->Outcome();
    }
    // The text a maintenance file holds.
    static std::string Unpacked(const std::string& path) {
        std::optional<std::string> text = Inflate(test::ReadWholeFile(path), 1 << 20);
        return text ? *text : std::string("<not zlib>");
    }

    test::TempDir files_;
    test::RecordingReporter reporter_;
    CTerminal terminal_{reporter_};
    std::unique_ptr<test::SimProcess> sim_;
    std::unique_ptr<CMaintenanceWorker> worker_;
};

TEST_F(Maintenance, MiniFileHoldsEverythingInOrder) {
    StartSim("mini", {"--param", "que1=1", "--param", "pntT=1200130005", "--tid", "T7654321"});
    const std::vector<std::string> names = ListedNames();
    ASSERT_GE(names.size(), 40u);
    const std::string path = files_.File("info.mnt");
    ASSERT_EQ(Save(path), MaintenanceOutcome::kSaved);
    EXPECT_TRUE(worker_->Completed());
    EXPECT_EQ(worker_->Edition(), kEditionMini);

    const std::vector<std::string> lines = Lines(Unpacked(path));
    ASSERT_GT(lines.size(), 12u + names.size());
    std::size_t i = 0;
    EXPECT_EQ(lines[i++], "-----");
    EXPECT_EQ(lines[i++], "prod ZRT450");
    EXPECT_EQ(lines[i++], "tid T7654321");
    EXPECT_EQ(lines[i++], "ver 1.20");
    EXPECT_EQ(lines[i].substr(0, 5), "boot ");
    ++i;
    EXPECT_EQ(lines[i++], "wdog 0");
    EXPECT_EQ(lines[i++], "-----");
    EXPECT_EQ(lines[i++], "tcnt 0 0");
    EXPECT_EQ(lines[i++], "----");
    EXPECT_EQ(lines[i++], "rtc get ret=0");
    EXPECT_EQ(lines[i++].size(), 17u);  // YY/MM/DD hh:mm:ss
    EXPECT_EQ(lines[i++], "----");
    for (const std::string& name : names) {
        ASSERT_LT(i, lines.size());
        EXPECT_EQ(lines[i].substr(0, name.size() + 1), name + " ") << "line " << i;
        if (name == "que1") {
            EXPECT_EQ(lines[i], "que1 1");
        }
        if (name == "pntT") {
            EXPECT_EQ(lines[i], "pntT 1200130005");
        }
        ++i;
    }
    EXPECT_EQ(lines[i++], "-----");
    EXPECT_EQ(lines[i].substr(0, 9), "log 0001 ");
    EXPECT_EQ(lines.back().substr(0, 9), "log 0005 ");
    EXPECT_TRUE(sim_->WaitForLogLine("reboot s"));
}

TEST_F(Maintenance, SlimAsksItsFixedNames) {
    StartSim("slim");
    const std::string path = files_.File("slim.mnt");
    ASSERT_EQ(Save(path), MaintenanceOutcome::kSaved);
    const std::string text = Unpacked(path);
    EXPECT_EQ(text.substr(0, 7), "-----\r\n");
    EXPECT_EQ(text.find("tcnt"), std::string::npos);
    std::size_t at = 0;
    for (const char* line : {"\r\n-----\r\n", "\r\nfunc 0\r\n", "\r\npsh1 ", "\r\npsh2 \r\n",
                             "\r\nque 0\r\n", "\r\ndisp 0\r\n", "\r\n-----\r\nlog 0001 "}) {
        const std::size_t next = text.find(line, at);
        EXPECT_NE(next, std::string::npos) << line;
        at = next == std::string::npos ? at : next;
    }
    // A Slim is not restarted: asking leaves it as it was.
    const auto log = sim_->LogLines();
    EXPECT_EQ(std::count(log.begin(), log.end(), "reboot s"), 0);
}

TEST_F(Maintenance, TimeoutMidWayLeavesNoFileAndKeepsTheOldOne) {
    StartSim("mini", {"--fault", "silent-from=lov1"});
    const std::string path = files_.File("info.mnt");
    test::WriteWholeFile(path, "before");
    EXPECT_EQ(Save(path), MaintenanceOutcome::kTimeout);
    EXPECT_EQ(test::ReadWholeFile(path), "before");
    EXPECT_TRUE(reporter_.Shown().empty());  // the dialog's status tells, not a box
}

TEST_F(Maintenance, RefusedCommandStopsLikeACancel) {
    StartSim("minisx", {"--fault", "error-key=lget"});
    const std::string path = files_.File("info.mnt");
    EXPECT_EQ(Save(path), MaintenanceOutcome::kCancelled);
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_TRUE(sim_->WaitForLogLine("reboot s"));
}

TEST_F(Maintenance, CancelStopsAtTheNextCommand) {
    StartSim("mini");
    const std::string path = files_.File("info.mnt");
    CMaintenanceWorker worker(terminal_, path);
    worker.Start();
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (worker.Position() < 3 && !worker.Finished() &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
    }
    worker.RequestCancel();
    worker.Join();
    EXPECT_EQ(worker.Outcome(), MaintenanceOutcome::kCancelled);
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_TRUE(sim_->WaitForLogLine("reboot s"));
}

TEST(MaintenanceNames, ListOfAPgetReply) {
    EXPECT_EQ(ParameterNames("psA1\r\nque1\r\n\r\nlov1\r\n%"),
              (std::vector<std::string>{"psA1", "que1", "lov1"}));
    std::string many;
    for (int i = 0; i < 300; ++i) {
        many += "k" + std::to_string(i) + "\r\n";
    }
    const auto names = ParameterNames(many);
    ASSERT_EQ(names.size(), 255u);
    EXPECT_EQ(names.back(), "k254");
}

}  // namespace
}  // namespace morvik
