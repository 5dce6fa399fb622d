#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "LinePeer.h"
#include "PtyPair.h"
#include "link/BlockTransfer.h"
#include "link/SerialCommAPI.h"

namespace morvik {
namespace {

using test::kAck;
using test::kNak;
constexpr char kEot = '\x04';
constexpr char kCan = '\x18';

// The next byte the receiver sends, or 0 when it says nothing for waitMs.
char Answer(const test::PtyPair& pty, int waitMs = 3000) {
    std::string b = pty.ReadExactly(1, waitMs);
    return b.empty() ? '\0' : b[0];
}

size_t FilesIn(const std::string& dir) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

class BlockReceive : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(port.OpenDevice(pty.SlavePath())); }
    // A sender that talks nonsense: every read of the receiver returns at once with no block.
    void StartGarbage() {
        garbage = std::thread([this] {
            while (!stopGarbage) {
                pty.Write("zzzz");
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                pty.Read(0);
            }
        });
    }
    void StopGarbage() {
        stopGarbage = true;
        if (garbage.joinable()) {
            garbage.join();
        }
    }
    test::PtyPair pty;
    CSerialCommAPI port;
    test::TempDir dir;
    std::thread garbage;
    std::atomic<bool> stopGarbage{false};
};

TEST_F(BlockReceive, OnlyCheckedBlocksReachTheHandlerOnce) {
    const std::string a(128, 'A');
    const std::string b(128, 'B');
    const std::string c(128, 'C');
    std::vector<char> answers;
    std::thread peer([&] {
        EXPECT_EQ(Answer(pty), kNak);
        pty.WriteInPieces(test::MakeBlock(1, a), 50, 80);  // as an adapter delivers it
        answers.push_back(Answer(pty));
        std::string damaged = test::MakeBlock(2, b);
        damaged[60] ^= 0x10;
        pty.Write(damaged);
        answers.push_back(Answer(pty));
        pty.Write(test::MakeBlock(2, b));
        answers.push_back(Answer(pty));
        pty.Write(test::MakeBlock(2, b));  // our ACK "got lost": a repeat
        answers.push_back(Answer(pty));
        std::string wrongComplement = test::MakeBlock(3, c);
        wrongComplement[2] = 0x00;
        pty.Write(wrongComplement);
        answers.push_back(Answer(pty));
        pty.Write(test::MakeBlock(3, c));
        answers.push_back(Answer(pty));
        pty.Write(std::string(1, kEot));
        answers.push_back(Answer(pty));
    });
    std::vector<int> records;
    auto handler = [&](const uint8_t* block, int record, int passThrough) {
        records.push_back(record);
        EXPECT_EQ(passThrough, 42);
        return std::string(1, static_cast<char>(block[3])) + std::to_string(block[1]) + ";";
    };
    const std::string out = dir.File("log.csv");
    EXPECT_EQ(ReceiveFile(port, out, 42, handler), kReceiveDone);
    peer.join();
    EXPECT_EQ(answers, (std::vector<char>{kAck, kNak, kAck, kAck, kNak, kAck, kAck}));
    EXPECT_EQ(records, (std::vector<int>{0, 4, 8}));
    EXPECT_EQ(test::ReadWholeFile(out), "A1;B2;C3;");
    EXPECT_EQ(port.ReceivedBytes(), 3 * 132);
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST_F(BlockReceive, WithoutHandlerTheDataBytesAreWritten) {
    const std::string data = test::RandomBytes(256, 5);
    std::thread peer([&] {
        EXPECT_EQ(Answer(pty), kNak);
        pty.Write(test::MakeBlock(1, data.substr(0, 128)));
        EXPECT_EQ(Answer(pty), kAck);
        pty.Write(test::MakeBlock(2, data.substr(128)));
        EXPECT_EQ(Answer(pty), kAck);
        pty.Write(std::string(1, kEot));
        EXPECT_EQ(Answer(pty), kAck);
    });
    EXPECT_EQ(ReceiveFile(port, dir.File("out.bin"), 0), kReceiveDone);
    peer.join();
    EXPECT_EQ(test::ReadWholeFile(dir.File("out.bin")), data);
}

TEST_F(BlockReceive, CancelSendsCanAndLeavesNoFile) {
    std::thread peer([&] {
        EXPECT_EQ(Answer(pty), kNak);
        pty.Write(test::MakeBlock(1, "first"));
        EXPECT_EQ(Answer(pty), kAck);
        // The operator cancels while the terminal is between blocks.
        port.SetReceiveCancel();
        EXPECT_EQ(Answer(pty), kCan);
    });
    EXPECT_EQ(ReceiveFile(port, dir.File("log.csv"), 0), kReceiveCancelled);
    peer.join();
    EXPECT_EQ(FilesIn(dir.path()), 0u);
}

TEST_F(BlockReceive, FailureKeepsTheEarlierFileAsItWas) {
    const std::string out = dir.File("log.csv");
    test::WriteWholeFile(out, "earlier log");
    std::thread peer([&] {
        EXPECT_EQ(Answer(pty), kNak);
        pty.Write(test::MakeBlock(1, "first"));
        EXPECT_EQ(Answer(pty), kAck);
        StartGarbage();
    });
    EXPECT_EQ(ReceiveFile(port, out, 0), kReceiveFailed);
    peer.join();
    StopGarbage();
    EXPECT_EQ(test::ReadWholeFile(out), "earlier log");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST_F(BlockReceive, NoFirstBlockFailsAfterTheStartCycles) {
    StartGarbage();
    EXPECT_EQ(ReceiveFile(port, dir.File("log.csv"), 0), kReceiveFailed);
    StopGarbage();
    EXPECT_EQ(FilesIn(dir.path()), 0u);
}

TEST_F(BlockReceive, OutputThatCannotBeCreated) {
    EXPECT_EQ(ReceiveFile(port, dir.File("missing/log.csv"), 0), kReceiveCannotCreate);
    EXPECT_EQ(pty.Read(100), "");  // the terminal is not asked for anything
}

}  // namespace
}  // namespace morvik
