// The main window's short commands against a simulated terminal: read the information, set the
// clock, erase the detection log, and leave the terminal at the end.

#include <gtest/gtest.h>

#include <ctime>

#include "support/SimTerminal.h"

namespace morvik {
namespace {

std::tm FixedTime() {
    std::tm time{};
    time.tm_year = 2031 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 24;
    time.tm_hour = 23;
    time.tm_min = 59;
    time.tm_sec = 58;
    return time;
}

TEST(MainCommands, ReadDeviceInformationRestartsOnlyTheMiniFamily) {
    {
        test::SimTerminal session("minisx", {"--tid", "X1"});
        DeviceInfo info;
        EXPECT_TRUE(session.Terminal().ReadDeviceInformation(info));
        EXPECT_EQ(info.terminalId, "X1");
        EXPECT_FALSE(session.Terminal().IsConnected());
        EXPECT_TRUE(session.Sim().WaitForLogLine("reboot s"));
    }
    {
        test::SimTerminal session("slim");
        DeviceInfo info;
        EXPECT_TRUE(session.Terminal().ReadDeviceInformation(info));
        EXPECT_EQ(info.productName, "ZRT410N");
        EXPECT_FALSE(session.Logged("reboot s"));
        // A Slim is never restarted, but it is not left in command mode either.
        EXPECT_EQ(session.SessionLines().back(), "exit");
    }
}

TEST(MainCommands, ClockIsSetFromTheGivenTime) {
    for (const char* edition : {"mini", "minisx"}) {
        SCOPED_TRACE(edition);
        test::SimTerminal session(edition);
        EXPECT_TRUE(session.Terminal().SetTerminalClock(FixedTime()));
        EXPECT_TRUE(session.Logged("rtc s 31 12 24 23 59 58"));
        EXPECT_TRUE(session.Sim().WaitForLogLine("reboot s"));
        ASSERT_EQ(session.Reporter().informations.size(), 1u);
        EXPECT_EQ(session.Reporter().informations[0], "時刻合わせ|時刻を合わせました");
        EXPECT_FALSE(session.Terminal().IsConnected());
    }
}

TEST(MainCommands, ClockRefusedBySlimAndFailureReported) {
    {
        test::SimTerminal session("slim");
        EXPECT_FALSE(session.Terminal().SetTerminalClock(FixedTime()));
        ASSERT_EQ(session.Reporter().errors.size(), 1u);
        EXPECT_EQ(session.Reporter().errors[0], "モルヴィク･ミニ/ミニSが見つかりません。");
        for (const std::string& line : session.Commands()) {
            EXPECT_FALSE(line.starts_with("rtc s")) << line;
        }
        EXPECT_EQ(session.SessionLines().back(), "exit");
    }
    {
        test::SimTerminal session("mini", {"--fault", "error-key=rtc"});
        EXPECT_FALSE(session.Terminal().SetTerminalClock(FixedTime()));
        ASSERT_EQ(session.Reporter().errors.size(), 1u);
        EXPECT_EQ(session.Reporter().errors[0], "機器との接続に失敗しました。");
        EXPECT_TRUE(session.Reporter().informations.empty());
    }
}

TEST(MainCommands, EraseDetectionLogOnMini) {
    test::SimTerminal session("mini", {"--dlog-records", "9"});
    EXPECT_TRUE(session.Terminal().EraseDetectionLog());
    ASSERT_EQ(session.Reporter().questions.size(), 1u);
    EXPECT_EQ(session.Reporter().questions[0],
              "検出ログ消去|検出ログを消去します。\r\nよろしいですか?");
    EXPECT_TRUE(session.Logged("dlog e"));
    EXPECT_TRUE(session.Sim().WaitForLogLine("reboot s"));
    ASSERT_EQ(session.Reporter().informations.size(), 1u);
    EXPECT_EQ(session.Reporter().informations[0], "検出ログ消去|検出ログを消去しました。");
}

TEST(MainCommands, EraseCancelledSendsNothing) {
    test::SimTerminal session("mini");
    session.Reporter().answer = false;
    EXPECT_FALSE(session.Terminal().EraseDetectionLog());
    EXPECT_TRUE(session.Commands().empty());
    EXPECT_FALSE(session.Terminal().IsConnected());
}

TEST(MainCommands, EraseRefusedByOtherEditions) {
    {
        test::SimTerminal session("minisx");
        EXPECT_FALSE(session.Terminal().EraseDetectionLog(false));
        EXPECT_FALSE(session.Logged("dlog e"));
        // The MiniSx is restarted before the refusal.
        EXPECT_TRUE(session.Sim().WaitForLogLine("reboot s"));
        ASSERT_EQ(session.Reporter().errors.size(), 1u);
        EXPECT_EQ(session.Reporter().errors[0], "モルヴィク･ミニ/ミニSが見つかりません。");
    }
    {
        test::SimTerminal session("slim");
        EXPECT_FALSE(session.Terminal().EraseDetectionLog(false));
        EXPECT_FALSE(session.Logged("dlog e"));
        EXPECT_FALSE(session.Logged("reboot s"));
        EXPECT_EQ(session.SessionLines().back(), "exit");
        EXPECT_EQ(session.Reporter().errors.size(), 1u);
    }
}

TEST(MainCommands, ShutdownLeavesCommandMode) {
    test::SimTerminal session("slim");
    ASSERT_TRUE(session.Open(false));
    session.Terminal().Shutdown();
    EXPECT_FALSE(session.Terminal().IsConnected());
    const auto commands = session.Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back(), "exit");
}

}  // namespace
}  // namespace morvik
