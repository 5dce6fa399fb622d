// The command-line tool end to end: the built morvik program against morvik-sim on a
// pseudo-terminal, with the preferences folder in a temporary folder of each test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/CliFixture.h"
#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::RunResult;

class Cli : public test::CliFixture {
  protected:
    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(Cli, InfoPrintsTheSixPanelLines) {
    test::SimProcess sim({.edition = "minis",
                          .args = {"--tid", "S7", "--version", "3.02", "--boot", "10", "--wdog",
                                   "2", "--touches", "1234"},
                          .env = Env()});
    const RunResult run = Morvik({"--device", sim.DevicePath(), "info"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u) << run.out;
    EXPECT_EQ(lines[0], "製品名:ZRT450S");
    EXPECT_EQ(lines[1], "端末ID:S7");
    EXPECT_EQ(lines[2], "ファームウェアバージョン:3.02");
    EXPECT_EQ(lines[3], "起動カウンタ:12");
    EXPECT_EQ(lines[4], "累積タッチカウンタ:1234");
    EXPECT_TRUE(lines[5].starts_with("時刻:20")) << lines[5];
    EXPECT_EQ(lines[5].size(), std::string("時刻:").size() + 19);
    // The Mini family is restarted; then the tool's end leaves nothing in command mode.
    EXPECT_TRUE(sim.WaitForLogLine("reboot s"));
}

TEST_F(Cli, InfoOfASlimAndTheTrace) {
    test::SimProcess sim = Sim("slim");
    const RunResult run = Morvik({"info", "--trace", "--device", sim.DevicePath()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "製品名:ZRT410N");
    EXPECT_EQ(lines[4], "累積タッチカウンタ:-");
    EXPECT_EQ(lines[5], "時刻:----/--/-- --:--:--");
    EXPECT_NE(run.err.find("> config slim\\r"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("< "), std::string::npos);
    // A Slim is not restarted by a look; the end of the run sends it "exit".
    const auto log = sim.LogLines();
    EXPECT_FALSE(Has(log, "reboot s"));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "exit");
}

TEST_F(Cli, PortComesFromThePreferencesFile) {
    test::SimProcess sim = Sim("mini", {"--com", "7"});
    std::ofstream(config_.File("MorvikTool.ini"))
        << "[MorvikMini/Slim]\r\nSerialPortNum=7\r\nCloseCheck=0\r\n";
    RunResult run = Morvik({"info"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 6u);

    // An out-of-range number means port 1, where no terminal is.
    std::ofstream(config_.File("MorvikTool.ini")) << "[MorvikMini/Slim]\nSerialPortNum=257\n";
    run = Morvik({"info"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("COMポートのオープンに失敗しました。"), std::string::npos) << run.err;

    run = Morvik({"--port", "7", "info"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST_F(Cli, AttachedCableWinsOverThePreferencesPort) {
    test::SimProcess sim = Sim("mini", {"--tid", "CABLE"});
    PlugInCable(sim.DevicePath());
    std::ofstream(config_.File("MorvikTool.ini")) << "[MorvikMini/Slim]\nSerialPortNum=5\n";

    RunResult run = Morvik({"ports"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines[0].starts_with("モルヴィクのケーブル: COM1 (")) << run.out;
    EXPECT_NE(lines[0].find("ttyUSB0"), std::string::npos);
    EXPECT_TRUE(Has(lines, "使用するポート: COM1 (" + config_.File("ports/COM1") + ")")) << run.out;

    run = Morvik({"info"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(Lines(run.out), "端末ID:CABLE")) << run.out;

    // The search answers at once from the cable, without trying any port.
    run = Morvik({"ports", "--search"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("ポート検索完了: ポート検索が終了しました。\nCOM1を使用します。"),
              std::string::npos)
        << run.err;
}

TEST_F(Cli, PortSearchTriesThePortsUntilATerminalAnswers) {
    RunResult run = Morvik({"ports", "--search"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("エラー: モルヴィクが見つかりません。"), std::string::npos) << run.err;

    test::SimProcess sim = Sim("slim", {"--com", "4"});
    run = Morvik({"ports"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(Has(Lines(run.out), "モルヴィクのケーブルは見つかりません。")) << run.out;
    EXPECT_TRUE(Lines(run.out).size() >= 2 && Lines(run.out)[1].starts_with("COM4  ")) << run.out;

    run = Morvik({"ports", "--search"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("COM4を使用します。"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.starts_with("モルヴィク: COM4 (")) << run.out;
    // The terminal found is let go again.
    const auto log = sim.LogLines();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "exit");
    EXPECT_TRUE(Has(log, "pow s 0"));
}

TEST_F(Cli, FailuresExitWithOneAndSayWhy) {
    RunResult run = Morvik({"--device", config_.File("no-such-port"), "info"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("エラー: COMポートのオープンに失敗しました。"), std::string::npos)
        << run.err;

    test::SimProcess silent = Sim("mini", {"--fault", "no-reply"});
    run = Morvik({"--device", silent.DevicePath(), "info"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("機器との接続に失敗しました。"), std::string::npos) << run.err;
}

TEST_F(Cli, ClockSetsTheTerminalClock) {
    test::SimProcess sim = Sim("minisx");
    RunResult run = Morvik({"--device", sim.DevicePath(), "clock"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("時刻合わせ: 時刻を合わせました"), std::string::npos) << run.err;
    bool sent = false;
    for (const std::string& line : sim.LogLines()) {
        sent = sent || (line.starts_with("rtc s ") && line.size() == 23);
    }
    EXPECT_TRUE(sent);

    test::SimProcess slim = Sim("slim");
    run = Morvik({"--device", slim.DevicePath(), "clock"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("モルヴィク･ミニ/ミニSが見つかりません。"), std::string::npos);
}

TEST_F(Cli, DlogEraseAsksFirst) {
    test::SimProcess sim = Sim("mini", {"--dlog-records", "3"});
    RunResult run = Morvik({"--device", sim.DevicePath(), "dlog", "erase"}, "n\n");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("検出ログを消去します。\nよろしいですか? [y/N]"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("検出ログの消去を中止しました。"), std::string::npos);
    EXPECT_TRUE(sim.LogLines().empty());

    // No answer at all (end of input) is no consent either.
    run = Morvik({"--device", sim.DevicePath(), "dlog", "erase"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(sim.LogLines().empty());

    run = Morvik({"--device", sim.DevicePath(), "dlog", "erase"}, "y\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(sim.LogLines(), "dlog e"));
    EXPECT_NE(run.err.find("検出ログ消去: 検出ログを消去しました。"), std::string::npos);

    test::SimProcess other = Sim("minis");
    run = Morvik({"--device", other.DevicePath(), "dlog", "erase", "--yes"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(Has(other.LogLines(), "dlog e"));
}

TEST_F(Cli, HelpForTheToolAndEveryCommand) {
    RunResult run = Morvik({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with("使い方: morvik")) << run.out;
    for (const char* command : {"info", "clock", "dlog erase", "ports"}) {
        EXPECT_NE(run.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    }
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"info", "--help"},
                                               {"clock", "-h"},
                                               {"dlog", "erase", "--help"},
                                               {"ports", "--help"}}) {
        run = Morvik(args);
        EXPECT_EQ(run.exitCode, 0) << args[0];
        EXPECT_TRUE(run.out.starts_with("使い方: morvik [オプション] " + args[0])) << run.out;
        EXPECT_TRUE(run.err.empty());
    }
}

TEST_F(Cli, BadCommandLinesAreUsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{}, "コマンドを指定してください。"},
        {{"frobnicate"}, "不明なコマンドです: frobnicate"},
        {{"--bogus", "info"}, "不明なオプションです: --bogus"},
        {{"info", "--bogus"}, "不明なオプションです: --bogus"},
        {{"info", "extra"}, "余分な引数があります: extra"},
        {{"--port", "0", "info"}, "ポート番号が不正です: 0"},
        {{"--port", "257", "info"}, "ポート番号が不正です: 257"},
        {{"--port", "x", "info"}, "ポート番号が不正です: x"},
        {{"--port"}, "--port には値が必要です。"},
        {{"--port", "3", "--device", "/dev/null", "info"},
         "--port と --device は同時に指定できません。"},
        {{"dlog"}, "dlog erase"},
    };
    for (const Case& c : cases) {
        const RunResult run = Morvik(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

}  // namespace
}  // namespace morvik
