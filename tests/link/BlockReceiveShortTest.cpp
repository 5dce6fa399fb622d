// A sender that does not stop where it said it would: one that ends with EOT before everything it
// announced has arrived (a detection log that says 9 records and sends one block) gives a short
// receive, and one that goes on sending blocks after the last it announced is stopped with CAN.
// Either way no file is put in place, and the file that was there stays as it was.

#include <gtest/gtest.h>

#include <filesystem>
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

TEST(BlockReceiveShort, AnEarlyEotLeavesTheOldFile) {
    test::PtyPair pty;
    test::TempDir dir;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    const std::string path = dir.File("log.csv");
    test::WriteWholeFile(path, "the old log\r\n");

    std::thread sender([&] {
        EXPECT_EQ(pty.ReadExactly(1, 3000), std::string(1, kNak));
        pty.Write(test::MakeBlock(1, std::string(128, 'A')));
        EXPECT_EQ(pty.ReadExactly(1, 3000), std::string(1, kAck));
        pty.Write(std::string(1, kEot));
        EXPECT_EQ(pty.ReadExactly(1, 3000), std::string(1, kAck));
    });
    int blocks = 0;
    const int result = ReceiveFile(
        port, path, 0,
        [&blocks](const uint8_t*, int, int) {
            ++blocks;
            return std::string("record\r\n");
        },
        [&blocks] { return blocks >= 3; });  // three blocks were announced
    sender.join();

    EXPECT_EQ(result, kReceiveShort);
    EXPECT_EQ(blocks, 1);
    EXPECT_EQ(test::ReadWholeFile(path), "the old log\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(BlockReceiveShort, BlocksPastTheAnnouncedOnesAreStoppedWithCan) {
    test::PtyPair pty;
    test::TempDir dir;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    const std::string path = dir.File("log.csv");
    test::WriteWholeFile(path, "the old log\r\n");

    // After the one block announced, a new block after every ACK, for as long as ACKs come.
    std::thread sender([&] {
        EXPECT_EQ(pty.ReadExactly(1, 3000), std::string(1, kNak));
        for (int number = 1; number < 50; ++number) {
            pty.Write(test::MakeBlock(static_cast<uint8_t>(number), std::string(128, 'A')));
            const std::string answer = pty.ReadExactly(1, 3000);
            if (answer != std::string(1, kAck)) {
                EXPECT_EQ(answer, std::string(1, kCan));
                EXPECT_EQ(number, 2);
                return;
            }
        }
        ADD_FAILURE() << "the receiver acknowledged every block";
    });
    int blocks = 0;
    const int result = ReceiveFile(
        port, path, 0,
        [&blocks](const uint8_t*, int, int) {
            ++blocks;
            return std::string("record\r\n");
        },
        [&blocks] { return blocks >= 1; });  // one block was announced
    sender.join();

    EXPECT_EQ(result, kReceiveOverrun);
    EXPECT_EQ(blocks, 1);
    EXPECT_EQ(test::ReadWholeFile(path), "the old log\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

}  // namespace
}  // namespace morvik
