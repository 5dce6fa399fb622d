// Our sender into our receiver, through a line that hands bytes over in small pieces with
// pauses (as a USB serial adapter does).
//
// The receiver starts after the sender has sent its first block, so that block usually goes
// twice (the receiver's first NAK is taken for the answer to it) and the sender then runs one
// acknowledgement ahead: the data must still arrive once and whole. A damaged block in that
// state cannot be recovered by any XMODEM pair (the receiver's purge eats the block behind
// it), which is why damage is tested with a scripted terminal instead.

#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "LinePeer.h"
#include "PtyPair.h"
#include "link/BlockTransfer.h"
#include "link/SerialCommAPI.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;

// Copies bytes between two pty masters in pieces of at most kPiece bytes.
class Bridge {
  public:
    static constexpr size_t kPiece = 7;

    Bridge(const test::PtyPair& a, const test::PtyPair& b)
        : a_(a), b_(b), thread_([this] { Run(); }) {}
    ~Bridge() {
        stop_ = true;
        thread_.join();
    }

  private:
    void Run() {
        while (!stop_) {
            pollfd fds[2] = {{a_.Master(), POLLIN, 0}, {b_.Master(), POLLIN, 0}};
            if (::poll(fds, 2, 20) <= 0) {
                continue;
            }
            if (fds[0].revents & POLLIN) {
                b_.Write(a_.ReadExactly(kPiece, 0));
                std::this_thread::sleep_for(1ms);
            }
            if (fds[1].revents & POLLIN) {
                a_.Write(b_.ReadExactly(kPiece, 0));
            }
        }
    }

    const test::PtyPair& a_;
    const test::PtyPair& b_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(Loopback, PiecesMakeWholeBlocks) {
    test::PtyPair senderSide;
    test::PtyPair receiverSide;
    CSerialCommAPI sender;
    CSerialCommAPI receiver;
    ASSERT_TRUE(sender.OpenDevice(senderSide.SlavePath()));
    ASSERT_TRUE(receiver.OpenDevice(receiverSide.SlavePath()));
    Bridge bridge(senderSide, receiverSide);
    test::TempDir dir;
    const std::string data = test::RandomBytes(5000, 9);

    int result = 1;
    std::thread receiving([&] {
        // A terminal starts asking for blocks a moment after the command that starts the
        // transfer; the sender has finished waiting for a quiet line by then.
        std::this_thread::sleep_for(1500ms);
        result = ReceiveFile(receiver, dir.File("out.bin"), 0);
    });
    EXPECT_TRUE(SendMemory(sender, reinterpret_cast<const uint8_t*>(data.data()), data.size()));
    receiving.join();
    EXPECT_EQ(result, kReceiveDone);
    std::string out = test::ReadWholeFile(dir.File("out.bin"));
    ASSERT_EQ(out.size(), 40u * 128);
    EXPECT_EQ(out.substr(0, 5000), data);
    EXPECT_EQ(out.substr(5000), std::string(120, '\xFF'));
    EXPECT_EQ(sender.SentBytes(), 5000);
    EXPECT_EQ(receiver.ReceivedBytes(), 40 * 132);
}

}  // namespace
}  // namespace morvik
