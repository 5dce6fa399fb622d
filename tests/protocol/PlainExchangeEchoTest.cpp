// The plain exchange (complete at a line end, as "dlog g" is answered) when the echo's CR and LF
// arrive in separate reads: the echo's line end must not end the reply.

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "link/PtyPair.h"
#include "protocol/Terminal.h"
#include "support/RecordingReporter.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

TEST(PlainExchangeEcho, LineEndOfASplitEchoDoesNotEndTheReply) {
    test::PtyPair pty;
    test::RecordingReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(terminal.Connect(true));
    auto reply =
        std::async(std::launch::async, [&] { return terminal.PlainExchange("dlog g", true); });
    ASSERT_EQ(pty.ReadExactly(7, 3000), "dlog g\r");
    // The terminal as a USB adapter delivers it: the echo's CR, its LF, then the count line,
    // each after a pause of a few polls.
    pty.Write("dlog g\r");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    pty.Write("\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    pty.Write("dlog: 5\r\n");
    EXPECT_EQ(reply.get(), "dlog: 5\r\n");
}

TEST(PlainExchangeEcho, SimulatorDeliveringInPieces) {
    test::SimTerminal session("mini", {"--pieces", "--dlog-records", "3"});
    ASSERT_TRUE(session.Open(false));
    EXPECT_EQ(session.Terminal().PlainExchange("dlog g", true), "dlog: 3\r\n");
}

}  // namespace
}  // namespace morvik
