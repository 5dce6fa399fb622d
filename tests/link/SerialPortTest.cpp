#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "PtyPair.h"
#include "link/SerialCommAPI.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

CommTimeouts ReadConstant(uint32_t ms) {
    return {0xFFFFFFFF, 0xFFFFFFFF, ms, 10, 100};
}

long ElapsedMs(Clock::time_point since) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

// A read constant no test waits out: a read that returns before it ended for its own reason.
constexpr uint32_t kNeverMs = 60000;

// Waits until condition holds; false only when it never does (a hung test).
template <class Condition>
bool WaitUntil(Condition condition) {
    const auto deadline = Clock::now() + 60s;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(SerialPort, OpenIsExclusiveAndASecondOpenLeavesThePortAlone) {
    test::PtyPair pty;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_FALSE(port.OpenDevice(pty.SlavePath()));
    EXPECT_FALSE(port.Open(3));
    // The first open still works after the refused ones.
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.DevicePath(), pty.SlavePath());
    ASSERT_TRUE(port.Send("ping"));
    EXPECT_EQ(pty.Read(200), "ping");

    // Another holder of the same device is refused.
    CSerialCommAPI other;
    EXPECT_FALSE(other.OpenDevice(pty.SlavePath()));
    EXPECT_FALSE(other.IsOpen());

    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Close());
    // Closing gives the device back, to this object and to others.
    EXPECT_TRUE(other.OpenDevice(pty.SlavePath()));
}

TEST(SerialPort, OpenRefusesWhatIsNotASerialLine) {
    CSerialCommAPI port;
    EXPECT_FALSE(port.OpenDevice("/nonexistent/ttyUSB9"));
    EXPECT_FALSE(port.OpenDevice("/dev/null"));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Open(0));
    EXPECT_FALSE(port.Open(257));
}

TEST(SerialPort, OpenAppliesSynchronousModeAndWorkingLine) {
    test::PtyPair pty;
    CSerialCommAPI port;
    port.SetTimeouts(ReadConstant(1000));
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    EXPECT_EQ(port.Mode(), CSerialCommAPI::kModeSynchronous);
    EXPECT_EQ(port.GetTimeouts(), (CommTimeouts{0xFFFFFFFF, 0xFFFFFFFF, 0, 10, 100}));
    LineSettings line = port.ReadLineSettings();
    EXPECT_EQ(line.baudRate, 115200u);
    EXPECT_EQ(line.byteSize, 8);
    EXPECT_EQ(line.parity, 0);
    EXPECT_EQ(line.stopBits, 0);
    EXPECT_FALSE(line.ctsFlow);
    EXPECT_FALSE(line.xonXoffIn);
    EXPECT_FALSE(line.xonXoffOut);
    line.baudRate = 9600;
    EXPECT_TRUE(port.SetLineSettings(line));
    EXPECT_EQ(port.ReadLineSettings().baudRate, 9600u);
    line.baudRate = 12345;  // no such line speed
    EXPECT_FALSE(port.SetLineSettings(line));

    // Raw: CR and LF travel untouched, nothing is echoed back.
    ASSERT_TRUE(port.Send(std::string("a\r\nb\x03\x11", 6)));
    EXPECT_EQ(pty.Read(200), std::string("a\r\nb\x03\x11", 6));
    pty.Write("x\r\n");
    port.SetTimeouts(ReadConstant(500));
    EXPECT_EQ(port.ReadText(1024), "x\r\n");
}

TEST(SerialPort, ReadTextTimeOuts) {
    test::PtyPair pty;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));

    // Read constant 0: back at once (a wait would hang here), empty or with what is queued.
    EXPECT_EQ(port.ReadText(1024), "");

    // Nothing queued: empty after the read constant.
    port.SetTimeouts(ReadConstant(300));
    auto start = Clock::now();
    EXPECT_EQ(port.ReadText(1024), "");
    EXPECT_GE(ElapsedMs(start), 280);

    // The first byte ends the wait: a read constant of a minute is never waited out. The byte
    // is meant to come while the read waits; should it come first, it is simply queued.
    port.SetTimeouts(ReadConstant(kNeverMs));
    std::thread late([&] {
        std::this_thread::sleep_for(100ms);
        pty.Write("%");
    });
    start = Clock::now();
    EXPECT_EQ(port.ReadText(1024), "%");
    EXPECT_LT(ElapsedMs(start), kNeverMs);
    late.join();

    // max is honoured per read; a queue that holds more is read on.
    pty.Write("abcdef");
    ASSERT_TRUE(WaitUntil([&] { return port.QueuedBytes() == 6; }));
    EXPECT_EQ(port.ReadText(4), "abcd");
    EXPECT_EQ(port.QueuedBytes(), 2u);
    EXPECT_EQ(port.ReadText(4), "ef");

    // A closed port reads nothing and writes nothing.
    port.Close();
    EXPECT_EQ(port.ReadText(1024), "");
    EXPECT_FALSE(port.Send("x"));
    EXPECT_FALSE(port.Send(""));
}

TEST(SerialPort, SendOfEmptyTextSucceeds) {
    test::PtyPair pty;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    EXPECT_TRUE(port.Send(""));
    const uint8_t bytes[] = {0x06};
    EXPECT_TRUE(port.WriteBytes(bytes, 1));
    EXPECT_EQ(pty.Read(200), "\x06");
}

TEST(SerialPort, WriteFailsWhenTheOtherEndStopsReading) {
    test::PtyPair pty;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    port.SetTimeouts({0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 200});
    // The master never reads: the pty buffer fills and the write time-out ends the write.
    std::string big(1 << 20, 'x');
    auto start = Clock::now();
    EXPECT_FALSE(port.Send(big));
    EXPECT_LT(ElapsedMs(start), kNeverMs) << "the write time-out ends the write";
}

TEST(SerialPort, ReadBlockGathersPiecesAndHandsBackALoneEot) {
    test::PtyPair pty;
    CSerialCommAPI port;
    ASSERT_TRUE(port.OpenDevice(pty.SlavePath()));
    port.SetTimeouts(ReadConstant(1000));
    std::string block(132, '\0');
    block[0] = 0x01;
    block[1] = 0x01;
    block[2] = static_cast<char>(0xFE);
    for (size_t i = 3; i < 131; ++i) {
        block[i] = static_cast<char>(i);
    }
    block[131] = 0x55;
    uint8_t buffer[132];

    // Three pieces with pauses make one block.
    std::thread writer([&] { pty.WriteInPieces(block, 50, 80); });
    EXPECT_EQ(port.ReadBlock(132, buffer), 132u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 132), block);
    writer.join();

    // Two blocks back to back come out one at a time, in order.
    std::string second = block;
    second[1] = 0x02;
    second[2] = static_cast<char>(0xFD);
    pty.Write(block + second);
    EXPECT_EQ(port.ReadBlock(132, buffer), 132u);
    EXPECT_EQ(buffer[1], 0x01);
    EXPECT_EQ(port.ReadBlock(132, buffer), 132u);
    EXPECT_EQ(buffer[1], 0x02);

    // A lone EOT returns at once (a read constant of a minute is never waited out), in the
    // first byte.
    port.SetTimeouts(ReadConstant(kNeverMs));
    pty.Write("\x04");
    auto start = Clock::now();
    EXPECT_EQ(port.ReadBlock(132, buffer), 0u);
    EXPECT_EQ(buffer[0], 0x04);
    EXPECT_LT(ElapsedMs(start), kNeverMs);

    // A block cut short: 0, and the part that came stays in the buffer.
    port.SetTimeouts(ReadConstant(1000));
    pty.Write(block.substr(0, 40));
    EXPECT_EQ(port.ReadBlock(132, buffer), 0u);
    EXPECT_EQ(buffer[0], 0x01);
    EXPECT_EQ(buffer[39], static_cast<uint8_t>(block[39]));
    EXPECT_EQ(buffer[40], 0);

    // Noise in front of a block is dropped so the block still lines up.
    pty.Write("\r\n" + block);
    EXPECT_EQ(port.ReadBlock(132, buffer), 132u);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), 132), block);
}

}  // namespace
}  // namespace morvik
