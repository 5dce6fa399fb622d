// The exchange against a terminal played by the test on a pseudo-terminal: how a reply that
// arrives in pieces is assembled, when it counts as complete, and how it is cleaned.

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "link/PtyPair.h"
#include "protocol/Terminal.h"
#include "support/RecordingReporter.h"

namespace morvik {
namespace {

using std::chrono::milliseconds;

class ExchangeFraming : public ::testing::Test {
  protected:
    void SetUp() override {
        terminal_.SetDevicePath(pty_.SlavePath());
        ASSERT_TRUE(terminal_.Connect(true));
    }

    // Starts an exchange on a thread of its own and waits until the line has come through.
    std::future<std::string> Start(const std::string& line, bool quiet, bool plain = false) {
        auto future = std::async(std::launch::async, [this, line, quiet, plain] {
            return plain ? terminal_.PlainExchange(line, quiet) : terminal_.Exchange(line, quiet);
        });
        EXPECT_EQ(pty_.ReadExactly(line.size() + 1, 60000), line + "\r");
        return future;
    }

    static void Pause(int ms) { std::this_thread::sleep_for(milliseconds(ms)); }

    test::PtyPair pty_;
    test::RecordingReporter reporter_;
    CTerminal terminal_{reporter_};
};

TEST_F(ExchangeFraming, CleansEchoNameAndPrompt) {
    auto reply = Start("pget que1", false);
    pty_.Write("pget que1\r\nque1 5\r\n%");
    EXPECT_EQ(reply.get(), "5\r\n");

    // Quiet keeps the prompt.
    reply = Start("pget que1", true);
    pty_.Write("pget que1\r\nque1 5\r\n%");
    EXPECT_EQ(reply.get(), "5\r\n%");
    EXPECT_TRUE(reporter_.errors.empty());
}

TEST_F(ExchangeFraming, WaitsForAPromptThatComesInALaterPiece) {
    auto reply = Start("pget que1", false);
    pty_.Write("pget que1\r\nque1 5\r\n");
    Pause(600);  // a few empty polls, far fewer than the limit
    pty_.Write("%");
    EXPECT_EQ(reply.get(), "5\r\n");
}

TEST_F(ExchangeFraming, PromptCharactersInsideAValueDoNotEndTheReply) {
    // A percent-encoded URL with a fragment: both prompt characters inside the value, and the
    // line end still to come.
    auto reply = Start("pget psA1", false);
    pty_.Write("pget psA1\r\npsA1 http://a.jp/%41#top");
    Pause(400);
    pty_.Write("\r\n%");
    EXPECT_EQ(reply.get(), "http://a.jp/%41#top\r\n");
}

TEST_F(ExchangeFraming, EchoSplitAcrossPiecesIsRemoved) {
    auto reply = Start("pget que1", false);
    pty_.Write("pget qu");
    Pause(300);
    pty_.Write("e1\r\nque1 7\r\n%");
    EXPECT_EQ(reply.get(), "7\r\n");
}

TEST_F(ExchangeFraming, ZeroBytesBecomeSpaces) {
    auto reply = Start("pget pntT", false);
    pty_.Write(std::string("pget pntT\r\npntT a\0b\r\n%", 22));
    EXPECT_EQ(reply.get(), "a b\r\n");

    // Zero bytes before the prompt on its line, in the same piece or an earlier one, leave it the
    // prompt that starts the line.
    reply = Start("pget que1", true);
    pty_.Write(std::string("pget que1\r\nque1 5\r\n\0\0%", 22));
    EXPECT_EQ(reply.get(), "5\r\n  %");
    reply = Start("pget que1", true);
    pty_.Write(std::string("pget que1\r\nque1 5\r\n\0", 20));
    Pause(300);
    pty_.Write("%");
    EXPECT_EQ(reply.get(), "5\r\n %");
}

TEST_F(ExchangeFraming, PieceByPieceDelivery) {
    auto reply = Start("ver", true);
    pty_.WriteInPieces("ver\r\nprod ZRT450\r\ntid T1\r\nver 1.20\r\nboot 1\r\nwdog 0\r\n%", 5, 30);
    EXPECT_EQ(reply.get(), "prod ZRT450\r\ntid T1\r\nver 1.20\r\nboot 1\r\nwdog 0\r\n%");
}

TEST_F(ExchangeFraming, SilenceGivesNoReplyAndOneMessageUnlessQuiet) {
    auto started = std::chrono::steady_clock::now();
    auto reply = Start("pget que1", false);
    EXPECT_EQ(reply.get(), "noreply");
    // Nineteen polls of up to 200 ms each were waited, not one.
    EXPECT_GT(std::chrono::steady_clock::now() - started, milliseconds(2000));
    ASSERT_EQ(reporter_.errors.size(), 1u);
    EXPECT_EQ(reporter_.errors[0], "シリアル通信で読み込みに失敗しました。");

    // Quiet says nothing when nothing comes. (That "exit" and the opening lines give up after
    // one empty poll is a timing, which a test on a loaded machine cannot assert.)
    reply = Start("exit", true);
    EXPECT_EQ(reply.get(), "noreply");
    EXPECT_EQ(reporter_.errors.size(), 1u);
}

TEST_F(ExchangeFraming, WriteConfirmation) {
    auto reply = Start("pset isc 007", true);
    pty_.Write("pset isc 007\r\ndone 7\r\n%");
    EXPECT_EQ(reply.get(), "done 7\r\n%");

    reply = Start("pset isc 007", true);
    pty_.Write("pset isc 007\r\ndone 8\r\n%");
    EXPECT_EQ(reply.get(), "csumerror");

    // An "error" answer confirms nothing either.
    reply = Start("pset que1 5", true);
    pty_.Write("pset que1 5\r\nerror\r\n%");
    EXPECT_EQ(reply.get(), "csumerror");
}

TEST_F(ExchangeFraming, PlainExchangeEndsAtTheFirstLineEnd) {
    auto reply = Start("dlog g", false, true);
    pty_.Write("dlog g\r\ndlog: 3\r");
    Pause(300);
    pty_.Write("\n");
    EXPECT_EQ(reply.get(), "dlog: 3");

    reply = Start("dlog g", true, true);
    pty_.Write("dlog g\r\ndlog: 0\r\n");
    EXPECT_EQ(reply.get(), "dlog: 0\r\n");
}

TEST_F(ExchangeFraming, RebootAndWakeUpAreWrittenWithoutReading) {
    EXPECT_TRUE(terminal_.SendReboot());
    EXPECT_EQ(pty_.ReadExactly(10, 2000), "reboot s\r\n");
    EXPECT_EQ(terminal_.RawWakeUp(), "");
    EXPECT_EQ(pty_.ReadExactly(3, 2000), "\r\n\r");
}

TEST_F(ExchangeFraming, TraceShowsLinesAndFragments) {
    std::vector<std::string> entries;
    terminal_.Trace().SetSink([&entries](const std::string& entry) { entries.push_back(entry); });
    auto reply = Start("pget que1", true);
    pty_.Write("pget que1\r\nque1 \x82\xA0\r\n%");
    reply.get();
    ASSERT_GE(entries.size(), 2u);
    EXPECT_NE(entries[0].find("> pget que1\\r"), std::string::npos) << entries[0];
    EXPECT_NE(entries[1].find("< pget que1\\r\\nque1 \\x82\\xA0\\r\\n%"), std::string::npos)
        << entries[1];
    EXPECT_NE(entries[1].find(" ms "), std::string::npos);
}

}  // namespace
}  // namespace morvik
