// A device that never stops talking (a GPS receiver sends an NMEA line every few milliseconds) on
// one port: its exchange ends as no reply within the bound, the port search goes on to the
// terminal on the next port, and Cancel ends a probe that is still listening to it. Each of the
// two bounds holds on its own: a fast talker is cut off by the byte bound long before its prompt,
// a trickle by the time bound.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <limits>
#include <stdexcept>
#include <thread>

#include "link/PortSearch.h"
#include "protocol/ReplyWords.h"
#include "protocol/SearchProbe.h"
#include "protocol/Terminal.h"
#include "support/RecordingReporter.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

// How a talker talks: chunk bytes of its NMEA lines at a time with a pause after each, and after
// promptAfter bytes (if ever) a prompt that would end an exchange still listening.
struct Talk {
    size_t chunk = std::numeric_limits<size_t>::max();
    std::chrono::milliseconds pause{0};
    size_t promptAfter = std::numeric_limits<size_t>::max();
};

// A pseudo-terminal whose far end writes NMEA lines as fast as the line takes them (or as its
// Talk says), and swallows whatever the tool sends. heard() is ready once the tool has written
// its first byte.
class Talker {
  public:
    explicit Talker(Talk talk = {}) : talk_(talk) {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
            throw std::runtime_error("posix_openpt failed");
        }
        slave_ = ::ptsname(master_);
        termios t{};
        ::tcgetattr(master_, &t);
        ::cfmakeraw(&t);
        ::tcsetattr(master_, TCSANOW, &t);
        // Held open here, so that the tool closing its side is no hang-up for the talker.
        holder_ = ::open(slave_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        thread_ = std::thread([this] { Run(); });
    }
    ~Talker() {
        stop_ = true;
        thread_.join();
        ::close(holder_);
        ::close(master_);
    }
    Talker(const Talker&) = delete;
    Talker& operator=(const Talker&) = delete;

    const std::string& SlavePath() const { return slave_; }
    std::future<void> Heard() { return heard_.get_future(); }

  private:
    void Run() {
        const std::string line =
            "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
        size_t at = 0;
        size_t written = 0;
        bool heard = false;
        char input[256];
        while (!stop_) {
            pollfd p{master_, POLLIN | POLLOUT, 0};
            if (::poll(&p, 1, 10) <= 0) {
                continue;
            }
            if ((p.revents & POLLIN) != 0 && ::read(master_, input, sizeof input) > 0 && !heard) {
                heard = true;
                heard_.set_value();
            }
            if ((p.revents & POLLOUT) == 0) {
                continue;
            }
            if (written >= talk_.promptAfter) {
                if (written != std::numeric_limits<size_t>::max()) {
                    [[maybe_unused]] const ssize_t n = ::write(master_, "\r\n%", 3);
                    written = std::numeric_limits<size_t>::max();  // once
                }
                continue;
            }
            const size_t size = std::min(line.size() - at, talk_.chunk);
            const ssize_t n = ::write(master_, line.data() + at, size);
            if (n > 0) {
                at = (at + static_cast<size_t>(n)) % line.size();
                written += static_cast<size_t>(n);
            }
            std::this_thread::sleep_for(talk_.pause);
        }
    }

    Talk talk_;
    int master_ = -1;
    int holder_ = -1;
    std::string slave_;
    std::atomic<bool> stop_{false};
    std::promise<void> heard_;
    std::thread thread_;
};

class EndlessTalker : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("MORVIK_CONFIG_DIR", config_.path().c_str(), 1);
        std::filesystem::create_directories(config_.File("ports"));
    }
    void Link(int port, const std::string& device) {
        std::filesystem::create_symlink(device, config_.File("ports/COM" + std::to_string(port)));
    }

    test::TempDir config_;
    test::RecordingReporter reporter_;
    CTerminal terminal_{reporter_};
};

TEST_F(EndlessTalker, IsNoReplyAndTheSearchFindsTheTerminalOnTheNextPort) {
    Talker talker;
    test::SimProcess sim(test::SimOptionsFor("mini", {}, {{"MORVIK_CONFIG_DIR", config_.path()}}));
    Link(1, talker.SlavePath());
    Link(2, sim.DevicePath());

    // One exchange with the talker: no reply, at the default bound.
    terminal_.SetDevicePath(talker.SlavePath());
    ASSERT_TRUE(terminal_.Connect(false));
    EXPECT_EQ(terminal_.Exchange("ver", true), ReplyWord::NoReply());
    terminal_.Disconnect();
    terminal_.SetDevicePath(std::string());

    PortSearch* self = nullptr;
    PortSearch search(
        [&](int port) { return ProbePortForSearch(terminal_, port, self->CancelFlag()); },
        [] {
            return std::optional<std::vector<std::string>>({"COM1", "COM2"});
        });
    self = &search;
    search.Start();
    search.Wait();
    EXPECT_TRUE(search.Found());
    EXPECT_EQ(search.FoundPort(), 2);
    terminal_.SendExit();
    terminal_.Disconnect();
}

// Four times the byte bound (64 KiB) as fast as the line takes it, then a prompt: only the byte
// bound can end the exchange before the prompt comes (the time bound is far off at this speed).
// The numbers are the bounds as they are meant to be, not the constants, so that a raised
// constant fails here.
TEST_F(EndlessTalker, AFastTalkerIsCutOffByTheByteBound) {
    Talker talker(Talk{.promptAfter = 4 * 64 * 1024});
    terminal_.SetDevicePath(talker.SlavePath());
    ASSERT_TRUE(terminal_.Connect(false));
    // (A reply that came through would fill the screen: only its size is shown.)
    const std::string reply = terminal_.Exchange("ver", true);
    EXPECT_TRUE(reply == ReplyWord::NoReply()) << "a reply of " << reply.size() << " bytes";
}

// A byte every 20 ms, and a prompt only after 1,500 bytes, some three times the time bound (10 s):
// far below the byte bound for the whole time, so only the time bound can end the exchange
// before the prompt.
TEST_F(EndlessTalker, ATrickleIsCutOffByTheTimeBound) {
    Talker talker(Talk{.chunk = 1, .pause = std::chrono::milliseconds(20), .promptAfter = 1500});
    terminal_.SetDevicePath(talker.SlavePath());
    ASSERT_TRUE(terminal_.Connect(false));
    // (A reply that came through would fill the screen: only its size is shown.)
    const std::string reply = terminal_.Exchange("ver", true);
    EXPECT_TRUE(reply == ReplyWord::NoReply()) << "a reply of " << reply.size() << " bytes";
}

TEST_F(EndlessTalker, CancelEndsTheProbeThatListensToIt) {
    Talker talker;
    Link(1, talker.SlavePath());
    // Without bounds only Cancel can end the exchange: a search that ignored it would never end.
    terminal_.SetReplyLimits(std::numeric_limits<size_t>::max(), std::chrono::hours(24));
    std::future<void> heard = talker.Heard();

    PortSearch* self = nullptr;
    PortSearch search(
        [&](int port) { return ProbePortForSearch(terminal_, port, self->CancelFlag()); },
        [] { return std::optional<std::vector<std::string>>({"COM1"}); });
    self = &search;
    search.Start();
    heard.wait();  // the probe is talking to the port
    search.Cancel();
    search.Wait();
    EXPECT_TRUE(search.Aborted());
    EXPECT_FALSE(search.Found());
    EXPECT_FALSE(terminal_.IsConnected());
}

}  // namespace
}  // namespace morvik
