// The firmware update against the simulated terminal: the trigger that puts it into update mode,
// the transfer, and the check of the version the restarted terminal reports.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "protocol/Terminal.h"
#include "sessions/FirmwareTrigger.h"
#include "sessions/FirmwareUpdate.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"
#include "support/RecordingReporter.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;

constexpr std::size_t kDataLength = 5000;

class Firmware : public ::testing::Test {
  protected:
    void StartSim(const std::string& edition, std::vector<std::string> extra = {}) {
        extra.push_back("--version");
        extra.push_back("1.20");
        sim_ = std::make_unique<test::SimProcess>(test::SimOptionsFor(edition, extra));
        terminal_.SetDevicePath(sim_->DevicePath());
        terminal_.SetFirstCommunication(false);  // no power-saving notice in the reports
        ASSERT_TRUE(terminal_.Connect(false));
        saved_ = terminal_.Port().GetTimeouts();
    }
    // Runs the trigger until the terminal answers from update mode or time runs out.
    bool EnterUpdateMode(std::chrono::milliseconds limit = 10s) {
        CFirmwareTrigger trigger(terminal_.Port(), saved_);
        trigger.Start();
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!trigger.Finished() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
        }
        trigger.Stop();
        EXPECT_EQ(terminal_.Port().GetTimeouts(), saved_);
        return trigger.TerminalInUpdateMode();
    }
    FirmwareOutcome Update(const std::string& path, const std::string& version,
                           std::size_t length = kDataLength) {
        worker_ = std::make_unique<CFirmwareUpdateWorker>(terminal_, path, version,
                                                          static_cast<std::int64_t>(length));
        worker_->Start();
        worker_->Join();
        EXPECT_TRUE(worker_->Finished());
        return worker_->Outcome();
    }

    test::TempDir files_;
    test::RecordingReporter reporter_;
    CTerminal terminal_{reporter_};
    std::unique_ptr<test::SimProcess> sim_;
    std::unique_ptr<CFirmwareUpdateWorker> worker_;
    CommTimeouts saved_;
};

TEST_F(Firmware, ValidImageEndsWithTheNewVersionReported) {
    StartSim("mini", {"--pieces"});
    const std::string image =
        test::WriteFirmwareImage(files_, "new.x", "ZRT450", kDataLength, "1.31");
    ASSERT_TRUE(EnterUpdateMode());
    EXPECT_EQ(Update(image, "1.31"), FirmwareOutcome::kUpdated);
    EXPECT_TRUE(worker_->Completed());
    EXPECT_TRUE(worker_->TerminalReached());
    EXPECT_EQ(worker_->ReportedVersion(), "1.31");
    EXPECT_EQ(worker_->Identification().productName, "ZRT450");
    // The whole file went across, header included.
    EXPECT_EQ(worker_->SentBytes(), static_cast<std::int32_t>(128 + kDataLength));
    EXPECT_TRUE(sim_->WaitForLogLine("[update 41 blocks: firmware 1.31]"));
    // The restarted terminal was read and left in normal mode.
    EXPECT_TRUE(sim_->WaitForLogLine("reboot s"));
    EXPECT_FALSE(terminal_.IsConnected());
}

TEST_F(Firmware, SlimTakesItsOwnImage) {
    StartSim("slim");
    const std::string image = test::WriteFirmwareImage(files_, "slim.x", "ZRT410N", 300, "2.07");
    ASSERT_TRUE(EnterUpdateMode());
    EXPECT_EQ(Update(image, "2.07", 300), FirmwareOutcome::kUpdated);
    EXPECT_EQ(worker_->ReportedVersion(), "2.07");
}

TEST_F(Firmware, ImageTheTerminalRefusesIsNotVerified) {
    StartSim("mini");
    const std::string image =
        test::WriteFirmwareImage(files_, "bad.x", "ZRT450", kDataLength, "1.31", true);
    ASSERT_TRUE(EnterUpdateMode());
    EXPECT_EQ(Update(image, "1.31"), FirmwareOutcome::kNotVerified);
    EXPECT_TRUE(worker_->Failed());
    // The terminal came back with its old firmware.
    EXPECT_TRUE(worker_->TerminalReached());
    EXPECT_EQ(worker_->ReportedVersion(), "1.20");
}

TEST_F(Firmware, SenderWithoutAcknowledgementFails) {
    StartSim("mini", {"--fault", "no-reply"});
    const std::string image = test::WriteFirmwareImage(files_, "new.x", "ZRT450", 300, "1.31");
    EXPECT_EQ(Update(image, "1.31", 300), FirmwareOutcome::kSendFailed);
    EXPECT_FALSE(worker_->Verifying());
    EXPECT_EQ(worker_->SentBytes(), 0);
    EXPECT_EQ(Cp932ToUtf8(worker_->ErrorText()).find("タイムアウト"), 0u);
}

TEST_F(Firmware, TriggerStopsWhenTheOperatorMovesOn) {
    // A terminal whose loader never says NAK: the trigger runs until it is stopped.
    StartSim("mini", {"--fault", "no-nak"});
    EXPECT_FALSE(EnterUpdateMode(1500ms));
    EXPECT_TRUE(sim_->WaitForLogLine("[update mode]"));
}

TEST(FirmwareSteps, TextsPerStepAndFamily) {
    EXPECT_EQ(FirmwareStepTextId(kFirmwareStepEnterUpdateMode, true), 2806);
    EXPECT_EQ(FirmwareStepTextId(kFirmwareStepEnterUpdateMode, false), 2807);
    EXPECT_EQ(FirmwareStepTextId(kFirmwareStepSendFailed, true), 2811);
    EXPECT_EQ(FirmwareStepTextId(kFirmwareStepNotVerified, false), 2812);
    EXPECT_EQ(FirmwareStepTextId(kFirmwareStepCancelled, true), 2813);
    EXPECT_EQ(FirmwareStepTextId(97, true), 2813);
}

}  // namespace
}  // namespace morvik
