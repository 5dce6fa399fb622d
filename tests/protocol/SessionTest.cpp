// Opening a command session with every edition, and with no terminal at all, through the real
// serial code on pseudo-terminals.

#include <gtest/gtest.h>

#include <algorithm>

#include "link/PtyPair.h"
#include "protocol/ReplyCheck.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SessionOpening, MiniFamilyOpensWithItsOwnLine) {
    for (const char* edition : {"mini", "minis", "minisx"}) {
        SCOPED_TRACE(edition);
        test::SimTerminal session(edition);
        ASSERT_TRUE(session.Open(false));
        EXPECT_TRUE(session.Terminal().Pacing()) << "a Mini-family session stays unpaced";
        EXPECT_EQ(session.Terminal().Exchange("pget que1", false).find("error"), std::string::npos);
        const auto commands = session.Commands();
        EXPECT_TRUE(Contains(commands, "exit"));
        EXPECT_TRUE(Contains(commands, "config mini"));
        EXPECT_FALSE(Contains(commands, "config slim"));
        // The notice of the first communication came once, and only once.
        EXPECT_EQ(session.Reporter().warnings.size(), 1u);
        EXPECT_NE(session.Reporter().warnings[0].find(
                      "通信を開始します|モルヴィク・スリムをお使いの方へ"),
                  std::string::npos);
        EXPECT_FALSE(session.Reporter().canClose);
        session.Terminal().Disconnect();
        EXPECT_TRUE(session.Reporter().canClose);
    }
}

TEST(SessionOpening, SlimOpensAfterTheMiniLineFailsAndPowerSavingIsSwitchedOff) {
    test::SimTerminal session("slim");
    ASSERT_TRUE(session.Open(false));
    EXPECT_FALSE(session.Terminal().Pacing());
    const auto commands = session.Commands();
    const auto mini = std::find(commands.begin(), commands.end(), "config mini");
    const auto slim = std::find(commands.begin(), commands.end(), "config slim");
    const auto power = std::find(commands.begin(), commands.end(), "pow s 0");
    ASSERT_NE(mini, commands.end());
    ASSERT_NE(slim, commands.end());
    ASSERT_NE(power, commands.end());
    EXPECT_LT(mini, slim);
    EXPECT_LT(slim, power);
    EXPECT_TRUE(session.Reporter().errors.empty());
}

TEST(SessionOpening, SecondSessionOfTheRunShowsNoNotice) {
    test::SimTerminal session("mini");
    ASSERT_TRUE(session.Open(false));
    session.Terminal().SendExit();
    ASSERT_TRUE(session.Terminal().OpenSession());
    EXPECT_EQ(session.Reporter().warnings.size(), 1u);
}

TEST(SessionOpening, NoTerminalBehindThePort) {
    test::PtyPair pty;  // nobody reads or answers
    test::RecordingReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath(pty.SlavePath());
    ASSERT_TRUE(terminal.Connect(false));
    EXPECT_FALSE(terminal.OpenSession());
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "機器との接続に失敗しました。");
    EXPECT_FALSE(terminal.Pacing());
    EXPECT_FALSE(reporter.busy);
    // Both opening lines were tried, but not the Slim power line.
    const std::string sent = pty.Read(200);
    EXPECT_NE(sent.find("config mini\r"), std::string::npos);
    EXPECT_NE(sent.find("config slim\r"), std::string::npos);
    EXPECT_EQ(sent.find("pow s 0"), std::string::npos);

    // The probe says nothing at all.
    reporter.errors.clear();
    EXPECT_FALSE(terminal.ProbeSession());
    EXPECT_TRUE(reporter.errors.empty());
}

TEST(SessionOpening, PortThatCannotBeOpened) {
    test::RecordingReporter reporter;
    CTerminal terminal(reporter);
    terminal.SetDevicePath("/nonexistent/morvik-port");
    EXPECT_FALSE(terminal.Connect(true));
    EXPECT_TRUE(reporter.errors.empty());
    EXPECT_FALSE(terminal.Connect(false));
    ASSERT_EQ(reporter.errors.size(), 1u);
    EXPECT_EQ(reporter.errors[0], "COMポートのオープンに失敗しました。");
    EXPECT_TRUE(reporter.canClose);
}

TEST(SessionOpening, ProbeFindsEveryEdition) {
    for (const char* edition : {"slim", "mini"}) {
        SCOPED_TRACE(edition);
        test::SimTerminal session(edition);
        ASSERT_TRUE(session.Terminal().Connect(true));
        EXPECT_TRUE(session.Terminal().ProbeSession());
    }
}

TEST(SessionOpening, RepliesDeliveredInPieces) {
    for (const char* edition : {"slim", "mini"}) {
        SCOPED_TRACE(edition);
        test::SimTerminal session(
            edition, std::string(edition) == "mini"
                         ? std::vector<std::string>{"--pieces", "--param", "pntT=a.jp/%41#x%"}
                         : std::vector<std::string>{"--pieces"});
        ASSERT_TRUE(session.Open(false));
        const std::string reply = session.Terminal().Exchange("ver", false);
        EXPECT_NE(reply.find("tid "), std::string::npos) << reply;
        EXPECT_EQ(reply.find("ver\r\n"), std::string::npos) << "echo left in " << reply;
        if (std::string(edition) == "mini") {
            EXPECT_EQ(session.Terminal().Exchange("pget pntT", false), "a.jp/%41#x%\r\n");
        }
    }
}

TEST(Exchange, TerminalFaultsGiveTheirOutcomes) {
    test::SimTerminal session("mini", {"--fault", "bad-token=que1", "--fault", "error-key=que2",
                                       "--fault", "silent-key=rslt"});
    ASSERT_TRUE(session.Open(false));
    CTerminal& terminal = session.Terminal();
    EXPECT_EQ(ReplyCheck(terminal.Exchange("pset que1 5", true)), kReplyChecksumError);
    EXPECT_EQ(ReplyCheck(terminal.Exchange("pget que2", false)), kReplyError);
    EXPECT_TRUE(session.Reporter().errors.empty());
    EXPECT_EQ(ReplyCheck(terminal.Exchange("pget rslt", false)), kReplyNoReply);
    EXPECT_EQ(session.Reporter().errors.size(), 1u);
    // A good write in the same session is confirmed.
    EXPECT_EQ(ReplyCheck(terminal.Exchange("pset tlog 1", true)), kReplyOk);
}

TEST(Exchange, WritesOfEveryCheckAreConfirmedByTheTerminal) {
    {
        test::SimTerminal session("mini");
        ASSERT_TRUE(session.Open(false));
        CTerminal& terminal = session.Terminal();
        EXPECT_EQ(ReplyCheck(terminal.Exchange("pset isc 0042", true)), kReplyOk);
        EXPECT_EQ(ReplyCheck(terminal.Exchange("pset pntT a\\sb\\r\\nc\\\\d", true)), kReplyOk);
        EXPECT_EQ(ReplyCheck(terminal.Exchange("pset lov1 0102030405060708090A0B", true)),
                  kReplyOk);
        EXPECT_EQ(session.Sim().StateValue("pntT"), "a\\sb\\r\\nc\\\\d");
    }
    {
        test::SimTerminal session("minisx", {"--fault", "bad-token=ndef"});
        ASSERT_TRUE(session.Open(false));
        EXPECT_EQ(ReplyCheck(session.Terminal().Exchange("ndef s 1 http://a.jp/", true)),
                  kReplyChecksumError);
    }
    {
        test::SimTerminal session("minisx");
        ASSERT_TRUE(session.Open(false));
        EXPECT_EQ(ReplyCheck(session.Terminal().Exchange("ndef s 1 http://a.jp/", true)), kReplyOk);
        EXPECT_EQ(ReplyCheck(session.Terminal().Exchange("ndef s 0 ", true)), kReplyOk);
    }
}

}  // namespace
}  // namespace morvik
