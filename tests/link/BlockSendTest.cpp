#include <gtest/gtest.h>

#include <atomic>
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

// Plays a receiving terminal: reads blocks and answers each with what answer() says, until EOT.
// Returns every block it saw, in order (repeats included).
std::vector<std::string> ReceiveBlocks(const test::PtyPair& pty,
                                       const std::function<char(int index)>& answer) {
    std::vector<std::string> blocks;
    for (;;) {
        std::string first = pty.ReadExactly(1, 3000);
        if (first.empty() || first[0] == kEot) {
            return blocks;
        }
        std::string block = first + pty.ReadExactly(131, 1000);
        blocks.push_back(block);
        pty.Write(std::string(1, answer(static_cast<int>(blocks.size()) - 1)));
    }
}

class BlockSend : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(port.OpenDevice(pty.SlavePath())); }
    test::PtyPair pty;
    CSerialCommAPI port;
};

TEST_F(BlockSend, MemoryOf300BytesIsThreeBlocksThenEot) {
    const std::string data = test::RandomBytes(300, 1);
    std::vector<std::string> blocks;
    std::thread peer([&] { blocks = ReceiveBlocks(pty, [](int) { return kAck; }); });
    port.AddSentBytes(999);  // a previous transfer's count must not leak in
    EXPECT_TRUE(SendMemory(port, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    peer.join();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0], test::MakeBlock(1, data.substr(0, 128)));
    EXPECT_EQ(blocks[1], test::MakeBlock(2, data.substr(128, 128)));
    EXPECT_EQ(blocks[2], test::MakeBlock(3, data.substr(256)));
    EXPECT_EQ(blocks[2].substr(3 + 44, 84), std::string(84, '\xFF'));
    EXPECT_EQ(port.SentBytes(), 300);
    // The senders leave the transfer time-outs for their caller to restore.
    EXPECT_EQ(port.GetTimeouts().readTotalConstant, 1000u);
}

TEST_F(BlockSend, FileOfTwoFullBlocksSendsNoEmptyBlock) {
    test::TempDir dir;
    const std::string data = test::RandomBytes(256, 2);
    test::WriteWholeFile(dir.File("image.x"), data);
    std::vector<std::string> blocks;
    std::thread peer([&] { blocks = ReceiveBlocks(pty, [](int) { return kAck; }); });
    EXPECT_TRUE(SendFile(port, dir.File("image.x")));
    peer.join();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[1], test::MakeBlock(2, data.substr(128)));
    EXPECT_EQ(port.SentBytes(), 256);
}

TEST_F(BlockSend, NakMakesTheSameBlockGoAgain) {
    const std::string data = test::RandomBytes(200, 3);
    std::vector<std::string> blocks;
    std::thread peer(
        [&] { blocks = ReceiveBlocks(pty, [](int index) { return index == 1 ? kNak : kAck; }); });
    EXPECT_TRUE(SendMemory(port, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    peer.join();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[1], blocks[2]);
    EXPECT_EQ(static_cast<uint8_t>(blocks[2][1]), 2);
    EXPECT_EQ(port.SentBytes(), 200);
}

TEST_F(BlockSend, BlockNumberWrapsFrom255ToZero) {
    const std::string data = test::RandomBytes(257 * 128, 4);
    std::vector<std::string> blocks;
    std::thread peer([&] { blocks = ReceiveBlocks(pty, [](int) { return kAck; }); });
    EXPECT_TRUE(SendMemory(port, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    peer.join();
    ASSERT_EQ(blocks.size(), 257u);
    EXPECT_EQ(static_cast<uint8_t>(blocks[254][1]), 255);
    EXPECT_EQ(static_cast<uint8_t>(blocks[255][1]), 0);
    EXPECT_EQ(static_cast<uint8_t>(blocks[255][2]), 0xFF);
    EXPECT_EQ(blocks[255], test::MakeBlock(0, data.substr(255 * 128, 128)));
    EXPECT_EQ(static_cast<uint8_t>(blocks[256][1]), 1);
}

TEST_F(BlockSend, GivesUpAfterTenRefusedWrites) {
    const std::string data(10, 'a');
    std::vector<std::string> blocks;
    std::thread peer([&] { blocks = ReceiveBlocks(pty, [](int) { return kNak; }); });
    EXPECT_FALSE(SendMemory(port, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    peer.join();  // no EOT follows: the peer ends on silence
    EXPECT_EQ(blocks.size(), 10u);
    EXPECT_EQ(port.SentBytes(), 0);
}

TEST_F(BlockSend, TerminalThatKeepsTalkingIsNotSentTo) {
    std::atomic<bool> stop{false};
    std::thread chatter([&] {
        while (!stop) {
            pty.Write("#");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    const std::string data(10, 'a');
    EXPECT_FALSE(SendMemory(port, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    stop = true;
    chatter.join();
    EXPECT_EQ(pty.Read(100).find('\x01'), std::string::npos);  // no block went out
}

TEST_F(BlockSend, MissingFileFails) {
    EXPECT_FALSE(SendFile(port, "/nonexistent/firmware.x"));
}

TEST_F(BlockSend, EmptyMemorySendsOnlyEot) {
    std::thread peer([&] { EXPECT_EQ(pty.ReadExactly(1, 3000), std::string(1, kEot)); });
    EXPECT_TRUE(SendMemory(port, nullptr, 0));
    peer.join();
}

}  // namespace
}  // namespace morvik
