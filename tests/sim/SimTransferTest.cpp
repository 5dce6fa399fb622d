// The simulated terminal's block transfers, driven by a small XMODEM-checksum sender and
// receiver written here: the detection log it sends, the sound images it receives after
// "x i 0", and firmware in update mode.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <thread>

#include "support/FirmwareImageFile.h"
#include "support/RawTerminal.h"
#include "support/SimProcess.h"
#include "support/Wave.h"
#include "support/Xmodem.h"

namespace morvik::test {
namespace {

using namespace std::chrono_literals;

void PutLe32(std::string& s, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i)
        s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A sound image holding one 8 kHz 8-bit mono wave file of the given number of samples.
std::string SoundImage(size_t samples) {
    WavSpec shape;
    for (size_t i = 0; i < samples; ++i)
        shape.samples.push_back(static_cast<uint8_t>((i * 37 % 256) * 230 >> 8));
    const std::string wav = WavBytes(shape);

    std::string image(4096, '\xFF');
    image += wav;
    image[0] = '\xFF';
    image[3] = 1;
    PutLe32(image, 4, static_cast<uint32_t>(wav.size()));
    PutLe32(image, 16, 4096);
    PutLe32(image, 20, 4096 + 44);
    PutLe32(image, 24, static_cast<uint32_t>(samples));
    image[28] = 0;
    unsigned sampleSum = 0;
    for (char c : wav)
        sampleSum += static_cast<uint8_t>(c);
    image[2] = static_cast<char>(sampleSum & 0xFF);
    unsigned headerSum = 0;
    for (size_t i = 2; i < 32; ++i)
        headerSum += static_cast<uint8_t>(image[i]);
    image[1] = static_cast<char>(headerSum & 0xFF);
    return image;
}

// Sends data as blocks and EOT; returns the answer to every block, in order.
std::string SendBlocks(RawTerminal& t, const std::string& data, uint8_t number = 1) {
    std::string answers;
    for (size_t pos = 0; pos < data.size(); pos += 128, ++number) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            t.Write(MakeBlock(number, data.substr(pos, 128)));
            std::string a = t.ReadExactly(1, 30s);
            answers += a.empty() ? "-" : a;
            if (a == std::string(1, kAck))
                break;
        }
    }
    t.Write(std::string(1, kEot));
    return answers;
}

std::string StartUpload(RawTerminal& t, size_t length) {
    std::string line = "x i 0 " + std::to_string(length);
    t.SendLine(line);
    return t.ReadUntil(std::string(1, kNak), 30s);
}

TEST(SimUpload, ASoundImageIsTakenAndABadOneRefused) {
    SimProcess sim(SimOptionsFor("mini"));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    const std::string image = SoundImage(300);  // 4440 bytes: 35 blocks, the last one short
    EXPECT_EQ(StartUpload(t, image.size()), "x i 0 4440\r\n" + std::string(1, kNak));
    EXPECT_EQ(SendBlocks(t, image), std::string(35, kAck));
    EXPECT_EQ(t.ReadUntilPrompt(), std::string(1, kAck) + "done\r\n%");
    EXPECT_TRUE(sim.WaitForLogLine("[upload 4440 bytes, 35 blocks: done]"));

    std::string broken = image;
    broken[4096 + 60] ^= 0x10;  // a sample changed: the sample sum no longer fits
    StartUpload(t, broken.size());
    SendBlocks(t, broken);
    EXPECT_EQ(t.ReadUntilPrompt(), std::string(1, kAck) + "error\r\n%");
    // Announcing more than arrives is refused too.
    StartUpload(t, image.size() + 200);
    SendBlocks(t, image);
    EXPECT_EQ(t.ReadUntilPrompt(), std::string(1, kAck) + "error\r\n%");
    EXPECT_EQ(t.Command("x i 0 abc"), "x i 0 abc\r\nerror\r\n%");
}

// At a line speed the terminal takes what it is sent at that speed too: an upload of N bytes
// takes at least N x 10 / baud seconds, however fast the sender writes.
TEST(SimUpload, AnUploadTakesTheWireTimeOfItsBytes) {
    constexpr int kBaud = 115200;
    SimProcess sim(SimOptionsFor("mini", {"--baud", std::to_string(kBaud)}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    const std::string image = SoundImage(4000);  // 8140 bytes: 64 blocks
    const std::size_t blocks = (image.size() + 127) / 128;
    StartUpload(t, image.size());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SendBlocks(t, image), std::string(blocks, kAck));
    EXPECT_EQ(t.ReadUntilPrompt(), std::string(1, kAck) + "done\r\n%");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const double sent = static_cast<double>(blocks * 132 + 1);  // the blocks and EOT
    EXPECT_GE(took.count(), sent * 10 / kBaud);
}

TEST(SimUpload, DamagedAndRepeatedBlocksAreHandledAsXmodemSays) {
    SimProcess sim(SimOptionsFor("minisx", {"--fault", "drop-ack=2"}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    const std::string image = SoundImage(200);
    StartUpload(t, image.size());
    t.Write(MakeBlock(1, image.substr(0, 128)));
    EXPECT_EQ(t.ReadExactly(1), std::string(1, kAck));
    std::string bad = MakeBlock(2, image.substr(128, 128));
    bad[131] ^= 1;
    t.Write(bad);
    EXPECT_EQ(t.ReadExactly(1), std::string(1, kNak)) << "wrong sum";
    t.Write(MakeBlock(2, image.substr(128, 128)));
    EXPECT_EQ(t.ReadExactly(1, 500ms), "") << "the ACK of block 2 is dropped once";
    t.Write(MakeBlock(2, image.substr(128, 128)));
    EXPECT_EQ(t.ReadExactly(1), std::string(1, kAck)) << "a repeat is acknowledged and dropped";
    EXPECT_EQ(SendBlocks(t, image.substr(256), 3), std::string(32, kAck));
    EXPECT_EQ(t.ReadUntilPrompt(), std::string(1, kAck) + "done\r\n%");
}

TEST(SimUpload, WithoutNakTheTerminalStaysQuietAndATextLineEndsTheWait) {
    SimProcess sim(SimOptionsFor("mini", {"--fault", "no-nak"}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    t.SendLine("x i 0 4440");
    EXPECT_EQ(t.ReadFor(500ms), "x i 0 4440\r\n");
    // A tool that gives up talks again; the terminal leaves the transfer and answers.
    EXPECT_EQ(t.Command("pget rslt"), "pget rslt\r\nrslt 0\r\n%");
    EXPECT_TRUE(sim.WaitForLogLine("[upload abandoned]"));
}

// Receives a detection log with a checking XMODEM receiver; returns the data.
std::string ReceiveLog(RawTerminal& t, int& naksForDamage) {
    std::string data;
    uint8_t expected = 1;
    t.Write(std::string(1, kNak));
    for (int round = 0; round < 100; ++round) {
        std::string first = t.ReadExactly(1, 30s);
        if (first.empty())
            return data + "<timeout>";
        if (first[0] == kEot) {
            t.Write(std::string(1, kAck));
            return data;
        }
        std::string block = first + t.ReadExactly(131, 30s);
        unsigned sum = 0;
        for (size_t i = 3; i < 131 && block.size() == 132; ++i)
            sum += static_cast<uint8_t>(block[i]);
        if (block.size() != 132 || block[0] != kSoh || static_cast<uint8_t>(block[1]) != expected ||
            static_cast<uint8_t>(block[2]) != 0xFF - expected ||
            (sum & 0xFF) != static_cast<uint8_t>(block[131])) {
            ++naksForDamage;
            t.Write(std::string(1, kNak));
            continue;
        }
        data += block.substr(3, 128);
        ++expected;
        t.Write(std::string(1, kAck));
    }
    return data;
}

TEST(SimDetectionLog, RecordsArriveInBlocksOfFourAndADamagedBlockIsSentAgain) {
    SimProcess sim(SimOptionsFor("mini", {"--dlog-records", "5", "--fault", "bad-block=2"}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    t.SendLine("dlog g");
    EXPECT_EQ(t.ReadUntil("dlog: 5\r\n"), "dlog g\r\ndlog: 5\r\n");
    int naks = 0;
    std::string data = ReceiveLog(t, naks);
    ASSERT_EQ(data.size(), 256u) << data;
    EXPECT_EQ(naks, 1);
    for (size_t r = 0; r < 5; ++r) {
        unsigned sum = 0;
        for (size_t i = 0; i < 32; ++i)
            sum += static_cast<uint8_t>(data[r * 32 + i]);
        EXPECT_EQ(sum & 0xFF, 0u) << "record " << r + 1;
    }
    EXPECT_EQ(data.substr(160), std::string(96, '\xFF'));
    EXPECT_TRUE(sim.WaitForLogLine("[dlog 5 records sent]"));
    // Back in command mode without a prompt of its own.
    EXPECT_EQ(t.Command("dlog e"), "dlog e\r\ndone\r\n%");
    t.SendLine("dlog g");
    EXPECT_EQ(t.ReadUntil("dlog: 0\r\n"), "dlog g\r\ndlog: 0\r\n");
    t.Write(std::string(1, kCan));
    EXPECT_TRUE(sim.WaitForLogLine("[dlog 0 records]"));
    EXPECT_EQ(t.Command("pget tlog"), "pget tlog\r\ntlog 0\r\n%");
}

TEST(SimDetectionLog, GivenRecordsAreSentAsTheyStand) {
    TempDir dir;
    std::string records(64, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        records[i] = static_cast<char>(i * 11);
    const std::string file = dir.File("records.bin");
    std::FILE* f = std::fopen(file.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(records.data(), 1, records.size(), f);
    std::fclose(f);
    SimProcess sim(SimOptionsFor("mini", {"--dlog-file", file}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    t.SendLine("dlog g");
    EXPECT_EQ(t.ReadUntil("dlog: 2\r\n"), "dlog g\r\ndlog: 2\r\n");
    int naks = 0;
    EXPECT_EQ(ReceiveLog(t, naks), records + std::string(64, '\xFF'));
    EXPECT_EQ(naks, 0);
}

TEST(SimDetectionLog, CancelEndsTheTransferAtOnce) {
    SimProcess sim(SimOptionsFor("minis", {"--dlog-records", "9"}));
    RawTerminal t(sim.DevicePath());
    ASSERT_TRUE(t.OpenSession());
    t.SendLine("dlog g");
    t.ReadUntil("dlog: 9\r\n");
    t.Write(std::string(1, kNak));
    EXPECT_EQ(t.ReadExactly(132).size(), 132u);
    t.Write(std::string(1, kCan));
    EXPECT_TRUE(sim.WaitForLogLine("[dlog cancelled after 0 blocks]"));
    EXPECT_EQ(t.Command("tcnt"), "tcnt\r\n0 0\r\n%");
}

TEST(SimFirmware, AnImageForTheModelBecomesTheNewVersion) {
    SimProcess sim(SimOptionsFor("minis"));
    RawTerminal t(sim.DevicePath());
    t.Write(std::string("\x08\0\0\0", 4));
    EXPECT_EQ(t.ReadExactly(1), std::string(1, kNak));
    const std::string image = FirmwareImageBytes("ZRT450", "3.55", 700);
    EXPECT_EQ(SendBlocks(t, image), std::string(7, kAck));
    EXPECT_EQ(t.ReadExactly(1), std::string(1, kAck));
    ASSERT_TRUE(sim.WaitForBoot(2));  // the terminal restarts
    ASSERT_TRUE(t.OpenSession());
    EXPECT_NE(t.Command("ver").find("ver 3.55\r\nboot 2\r\n"), std::string::npos);

    // An image for another model is refused; the terminal restarts on its old firmware.
    t.Command("exit");
    t.Write(std::string("\x08\0\0\0", 4));
    t.ReadExactly(1);
    SendBlocks(t, FirmwareImageBytes("ZRT410", "9.99", 300));
    ASSERT_TRUE(sim.WaitForBoot(3));
    ASSERT_TRUE(t.OpenSession());
    EXPECT_NE(t.Command("ver").find("ver 3.55\r\n"), std::string::npos);
    EXPECT_TRUE(sim.WaitForLogLine("[update 4 blocks: refused (wrong model)]"));
}

}  // namespace
}  // namespace morvik::test
