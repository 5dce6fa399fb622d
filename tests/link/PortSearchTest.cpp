#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <thread>
#include <vector>

#include "LinePeer.h"
#include "PtyPair.h"
#include "link/PortMap.h"
#include "link/PortSearch.h"
#include "link/SerialCommAPI.h"

namespace morvik {
namespace {

using namespace std::chrono_literals;
using Names = std::vector<std::string>;

PortSearch::PortList ListOf(std::optional<Names> names) {
    return [names] { return names; };
}

void WaitFinished(const PortSearch& search) {
    for (int i = 0; i < 500 && !search.Finished(); ++i) {
        std::this_thread::sleep_for(10ms);
    }
}

TEST(PortSearch, FirstAnsweringPortInListOrder) {
    std::vector<int> tried;
    PortSearch search(
        [&](int port) {
            tried.push_back(port);
            return port == 3 || port == 5;  // two terminals
        },
        ListOf(Names{"COM1", "COM3", "COM5"}));
    EXPECT_EQ(search.PortCount(), PortSearch::kInitialPortCount);
    EXPECT_EQ(search.CurrentIndex(), -1);
    search.Start();
    search.Wait();
    EXPECT_TRUE(search.Finished());
    EXPECT_TRUE(search.Found());
    EXPECT_EQ(search.FoundPort(), 3);
    EXPECT_EQ(tried, (std::vector<int>{1, 3}));
    EXPECT_EQ(search.PortCount(), 3);
    EXPECT_EQ(search.CurrentIndex(), 3);
    EXPECT_EQ(search.Progress(), 3);
    EXPECT_FALSE(search.Aborted());
}

TEST(PortSearch, NothingAnswers) {
    PortSearch search([](int) { return false; }, ListOf(Names{"COM2", "COM4"}));
    search.Start();
    search.Wait();
    EXPECT_FALSE(search.Found());
    EXPECT_EQ(search.CurrentIndex(), 1);  // the window's end condition: index >= count - 1
    EXPECT_EQ(search.Progress(), 2);
}

TEST(PortSearch, CancelEndsAfterTheProbeUnderWay) {
    std::atomic<int> probes{0};
    PortSearch* self = nullptr;
    PortSearch search(
        [&](int) {
            ++probes;
            self->Cancel();  // the operator presses キャンセル during the first probe
            std::this_thread::sleep_for(50ms);
            return false;
        },
        ListOf(Names{"COM1", "COM2", "COM3"}));
    self = &search;
    search.Start();
    search.Wait();
    EXPECT_EQ(probes, 1);
    EXPECT_TRUE(search.Aborted());
    EXPECT_TRUE(search.CancelRequested());
    EXPECT_FALSE(search.Found());
    EXPECT_TRUE(search.Finished());
}

TEST(PortSearch, EmptyUnreadableAndStrangeLists) {
    int probes = 0;
    auto probe = [&](int) {
        ++probes;
        return true;
    };
    PortSearch empty(probe, ListOf(Names{}));
    empty.Start();
    WaitFinished(empty);
    EXPECT_TRUE(empty.Finished());
    EXPECT_EQ(empty.PortCount(), 0);
    EXPECT_EQ(empty.CurrentIndex(), -1);

    // A list that cannot be read ends the search instead of leaving the window waiting.
    PortSearch unreadable(probe, ListOf(std::nullopt));
    unreadable.Start();
    WaitFinished(unreadable);
    EXPECT_TRUE(unreadable.Finished());
    EXPECT_FALSE(unreadable.Found());

    // An entry that is not a COM name with a positive number ends the search there.
    PortSearch strange(probe, ListOf(Names{"COM0", "COM1"}));
    strange.Start();
    strange.Wait();
    EXPECT_FALSE(strange.Found());
    EXPECT_EQ(strange.CurrentIndex(), 2);
    EXPECT_EQ(probes, 0);
}

TEST(PortSearch, FindsAnAnsweringPtyThroughThePortsFolder) {
    test::TempDir dir;
    test::PtyPair silent;
    test::PtyPair terminal;
    const std::string folder = dir.File("ports");
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink(silent.SlavePath(), folder + "/COM1");
    std::filesystem::create_symlink(terminal.SlavePath(), folder + "/COM2");
    PortMap map(folder, SystemRoots{dir.File("nosys"), dir.File("nodev")});

    std::atomic<bool> stop{false};
    std::thread answering([&] {
        while (!stop) {
            if (terminal.Read(20).find('\r') != std::string::npos) {
                terminal.Write("\r\n#");
            }
        }
    });
    CSerialCommAPI port;
    auto probe = [&](int number) {
        if (!port.OpenDevice(map.LinkPath(number))) {
            return false;
        }
        port.SetTimeouts({0xFFFFFFFF, 0xFFFFFFFF, 300, 10, 100});
        port.Send("\r");
        if (port.ReadText(1024).find('#') != std::string::npos) {
            return true;
        }
        port.Close();
        return false;
    };
    PortSearch search(probe, [&] { return map.SystemPortList(); });
    search.Start();
    search.Wait();
    stop = true;
    answering.join();
    EXPECT_TRUE(search.Found());
    EXPECT_EQ(search.FoundPort(), 2);
    EXPECT_TRUE(port.IsOpen());  // a found port is left open for the caller
    EXPECT_EQ(port.DevicePath(), map.LinkPath(2));
}

}  // namespace
}  // namespace morvik
