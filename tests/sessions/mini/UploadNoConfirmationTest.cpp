// A sound upload whose blocks and EOT are all acknowledged but after which the terminal says
// neither "done" nor "error": no success, and the session's text is 120 (the terminal did not
// answer in time). The terminal is played by the test on a pseudo-terminal.

#include <gtest/gtest.h>

#include <thread>

#include "link/PtyPair.h"
#include "protocol/Reporter.h"
#include "protocol/Terminal.h"
#include "sessions/SoundUpload.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Files.h"

namespace morvik {
namespace {

constexpr char kNak = 0x15;
constexpr char kAck = 0x06;
constexpr char kEot = 0x04;
constexpr size_t kBlockSize = 132;

TEST(SoundUpload, LastBlockAcknowledgedButNoDoneIsATimeOut) {
    test::PtyPair pty;
    CSilentReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(terminal.Connect(true));
    const std::vector<std::uint8_t> data(200, 0x41);  // two blocks

    std::thread peer([&pty] {
        const std::string announce = "x i 0 200\r";
        EXPECT_EQ(pty.ReadExactly(announce.size(), 3000), announce);
        pty.Write(std::string(1, kNak));
        for (int block = 0; block < 2; ++block) {
            EXPECT_EQ(pty.ReadExactly(kBlockSize, 3000).size(), kBlockSize);
            pty.Write(std::string(1, kAck));
        }
        EXPECT_EQ(pty.ReadExactly(1, 3000), std::string(1, kEot));
        pty.Write(std::string(1, kAck));
        // And then nothing: the terminal never says how it found the image.
    });
    const UploadOutcome outcome = AnnouncedUpload(terminal, data);
    peer.join();
    EXPECT_EQ(outcome, UploadOutcome::NoConfirmation);
    EXPECT_EQ(terminal.Port().SentBytes(), 200);
    EXPECT_EQ(UploadFailureText(outcome), test::Sjis("シリアル通信でタイムアウトが発生しました。"));
}

}  // namespace
}  // namespace morvik
