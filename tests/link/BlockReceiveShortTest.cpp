// A sender that does not stop where it said it would: one that ends with EOT before everything it
// announced has arrived (a detection log that says 9 records and sends one block) gives a short
// receive, and one that goes on sending blocks after the last it announced is stopped with CAN.
// Either way no file is put in place, and the file that was there stays as it was.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "LinePeer.h"
#include "PtyPair.h"
#include "link/BlockTransfer.h"
#include "link/SerialCommAPI.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

constexpr char kNak = '\x15';
constexpr char kAck = '\x06';
constexpr char kEot = '\x04';
constexpr char kCan = '\x18';

// A receive into a file that holds an older log, whose sender announced some blocks.
class BlockReceiveShort : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(port_.OpenDevice(pty_.SlavePath()));
        test::WriteWholeFile(path_, "the old log\r\n");
    }
    // Receives while sender plays the far end; the receiver's result.
    int Receive(int announcedBlocks, const std::function<void()>& sender) {
        std::thread far(sender);
        const int result = ReceiveFile(
            port_, path_, 0,
            [this](const uint8_t*, int, int) {
                ++blocks_;
                return std::string("record\r\n");
            },
            [this, announcedBlocks] { return blocks_ >= announcedBlocks; });
        far.join();
        return result;
    }
    // No new file in place, the old one as it was, nothing else left in the folder.
    void ExpectTheOldFileOnly() {
        EXPECT_EQ(test::ReadWholeFile(path_), "the old log\r\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
    }

    test::PtyPair pty_;
    test::TempDir dir_;
    CSerialCommAPI port_;
    const std::string path_ = dir_.File("log.csv");
    int blocks_ = 0;
};

TEST_F(BlockReceiveShort, AnEarlyEotLeavesTheOldFile) {
    const int result = Receive(3, [this] {
        EXPECT_EQ(pty_.ReadExactly(1, 3000), std::string(1, kNak));
        pty_.Write(test::MakeBlock(1, std::string(128, 'A')));
        EXPECT_EQ(pty_.ReadExactly(1, 3000), std::string(1, kAck));
        pty_.Write(std::string(1, kEot));
        EXPECT_EQ(pty_.ReadExactly(1, 3000), std::string(1, kAck));
    });
    EXPECT_EQ(result, kReceiveShort);
    EXPECT_EQ(blocks_, 1);
    ExpectTheOldFileOnly();
}

TEST_F(BlockReceiveShort, BlocksPastTheAnnouncedOnesAreStoppedWithCan) {
    // After the one block announced, a new block after every ACK, for as long as ACKs come.
    const int result = Receive(1, [this] {
        EXPECT_EQ(pty_.ReadExactly(1, 3000), std::string(1, kNak));
        for (int number = 1; number < 50; ++number) {
            pty_.Write(test::MakeBlock(static_cast<uint8_t>(number), std::string(128, 'A')));
            const std::string answer = pty_.ReadExactly(1, 3000);
            if (answer != std::string(1, kAck)) {
                EXPECT_EQ(answer, std::string(1, kCan));
                EXPECT_EQ(number, 2);
                return;
            }
        }
        ADD_FAILURE() << "the receiver acknowledged every block";
    });
    EXPECT_EQ(result, kReceiveOverrun);
    EXPECT_EQ(blocks_, 1);
    ExpectTheOldFileOnly();
}

}  // namespace
}  // namespace morvik
