// The block transfer against the simulated terminal, with its faults: a terminal that delivers
// in small pieces, drops an ACK, or damages a block.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "LinePeer.h"
#include "link/BlockTransfer.h"
#include "link/SerialCommAPI.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;

constexpr CommTimeouts kWorking{0xFFFFFFFF, 0xFFFFFFFF, 200, 10, 100};

// Reads until the text holds marker or nothing comes for two seconds.
std::string ReadUntil(CSerialCommAPI& port, const std::string& marker) {
    std::string text;
    auto deadline = std::chrono::steady_clock::now() + 2s;
    while (text.find(marker) == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        text += port.ReadText(1024);
    }
    return text;
}

void OpenCommandMode(CSerialCommAPI& port, const std::string& device) {
    ASSERT_TRUE(port.OpenDevice(device));
    port.SetTimeouts(kWorking);
    ASSERT_TRUE(port.Send("config mini\r"));
    ASSERT_NE(ReadUntil(port, "%").find('%'), std::string::npos);
}

TEST(SimTransfer, UploadSurvivesADroppedAckAndPieces) {
    test::SimProcess sim(test::SimOptionsFor("mini", {"--pieces", "--fault", "drop-ack=2"}));
    CSerialCommAPI port;
    OpenCommandMode(port, sim.DevicePath());
    const std::string data = test::RandomBytes(300, 21);
    ASSERT_TRUE(port.Send("x i 0 300\r"));
    ASSERT_NE(ReadUntil(port, "\x15").find('\x15'), std::string::npos);
    EXPECT_TRUE(SendMemory(port, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    EXPECT_EQ(port.SentBytes(), 300);
    // Random bytes are no sound image: the terminal took all three blocks and then refused it.
    EXPECT_NE(ReadUntil(port, "%").find("error"), std::string::npos);
    EXPECT_TRUE(sim.WaitForLogLine("[upload 300 bytes, 3 blocks: error]"));
}

TEST(SimTransfer, DetectionLogSurvivesADamagedBlockAndPieces) {
    test::SimProcess sim(test::SimOptionsFor(
        "mini", {"--pieces", "--dlog-records", "10", "--fault", "bad-block=2"}));
    CSerialCommAPI port;
    OpenCommandMode(port, sim.DevicePath());
    ASSERT_TRUE(port.Send("dlog g\r"));
    ASSERT_NE(ReadUntil(port, "dlog: 10\r\n").find("dlog: 10\r\n"), std::string::npos);

    test::TempDir dir;
    int blocks = 0;
    int badRecords = 0;
    auto handler = [&](const uint8_t* block, int record, int total) {
        EXPECT_EQ(record, blocks * 4);
        ++blocks;
        std::string text;
        for (int r = 0; r < 4 && record + r < total; ++r) {
            const uint8_t* rec = block + 3 + 32 * r;
            uint8_t sum = 0;
            for (int i = 0; i < 32; ++i) {
                sum = static_cast<uint8_t>(sum + rec[i]);
            }
            badRecords += sum != 0;
            text += std::to_string(record + r + 1) + "\n";
        }
        return text;
    };
    port.ClearReceiveCancel();
    EXPECT_EQ(ReceiveFile(port, dir.File("log.csv"), 10, handler), kReceiveDone);
    EXPECT_EQ(blocks, 3);
    EXPECT_EQ(badRecords, 0);
    EXPECT_EQ(test::ReadWholeFile(dir.File("log.csv")), "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n");
    EXPECT_TRUE(sim.WaitForLogLine("[dlog 10 records sent]"));
}

}  // namespace
}  // namespace morvik
