// morvik read, write, check and service with a Slim: the built program against morvik-sim.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/MiniFamilySettingsFile.h"
#include "files/SlimSettingsFile.h"
#include "sessions/mini/MiniTestData.h"
#include "support/CliFixture.h"
#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::RunResult;

const std::string kHeader = "# Morvik Slim [ZRT410] Configuration File\r\n";

class SlimCli : public test::CliFixture {
  protected:
    RunResult Check(const std::string& path) { return Morvik({"check", path}); }
    // The lines the terminal received after the last "ver", up to the session's "exit".
    static std::vector<std::string> Sent(const test::SimProcess& sim) {
        const std::vector<std::string> lines = sim.LogLines();
        const auto ver = std::find(lines.rbegin(), lines.rend(), "ver");
        std::vector<std::string> sent(ver.base(), lines.end());
        sent.erase(std::find(sent.begin(), sent.end(), "exit"), sent.end());
        return sent;
    }

    static long Psets(const test::SimProcess& sim) {
        const std::vector<std::string> lines = sim.LogLines();
        return std::count_if(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.starts_with("pset"); });
    }
};

TEST_F(SlimCli, WriteThenReadGivesTheSameFile) {
    SlimEditorState state;
    state.function = SlimFunction::BrowserMailer;
    state.browser = {"http://b/?", "line 1\r\nline 2"};
    state.mailer.to = "a@b";
    state.mailer.body = "\x83\x5C\x95\x5C";  // ソ表: trail bytes 0x5C
    state.browserQuery = true;
    state.behaviour.waitingLamp = false;
    const std::string first = files_.File("first.dat");
    ASSERT_TRUE(SaveSlimSettingsFile(first, state));

    test::SimProcess sim = Sim("slim");
    RunResult write = Morvik(sim, {"write", first});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(write.out, "書き込みが完了しました。機器を再起動してください。\n");
    EXPECT_EQ(Sent(sim),
              (std::vector<std::string>{
                  "pset disp 1", "pset func 1", "pset psh1 00a0ehttp://b/?line\\s1\\r\\nline\\s2",
                  "pset psh2 20300000400a@b\x83\x5C\x5C\x95\x5C\x5C", "pset que 1"}));

    const std::string second = files_.File("second.dat");
    RunResult read = Morvik(sim, {"read", second});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    EXPECT_EQ(test::ReadWholeFile(second), test::ReadWholeFile(first));
}

TEST_F(SlimCli, AReadWithWarningsSavesWhatTheWindowShows) {
    test::SimProcess sim =
        Sim("slim", {"--param", "func=0", "--param", "psh1=00501http:x", "--param", "disp=abc"});
    const std::string path = files_.File("w.dat");
    RunResult read = Morvik(sim, {"read", path});
    EXPECT_EQ(read.exitCode, 3);
    EXPECT_NE(read.err.find("本体設定の設定値が不正です。デフォルト設定を適用します。"),
              std::string::npos)
        << read.err;
    const std::string text = test::ReadWholeFile(path);
    EXPECT_NE(text.find("\r\npsh1 00501http:x\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\ndisp 0\r\n"), std::string::npos) << text;
}

TEST_F(SlimCli, AnUnansweredReadWritesNoFile) {
    test::SimProcess sim = Sim("slim", {"--fault", "silent-key=psh2"});
    const std::string path = files_.File("none.dat");
    RunResult read = Morvik(sim, {"read", path});
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_NE(read.err.find("シリアル通信で読み込みに失敗しました。"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SlimCli, AFileThatFailsItsChecksIsNotWritten) {
    test::SimProcess sim = Sim("slim");
    // The browser query is on, but the URL does not end in "?" or "&".
    const std::string path = files_.File("q.dat");
    test::WriteWholeFile(path, kHeader + "func 0\r\nque 1\r\npsh1 00900http://b/\r\ndisp 0\r\n");
    RunResult write = Morvik(sim, {"write", path});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find("クエリを付加する場合、URLの末尾は「?」か「&」である必要があります。"),
              std::string::npos)
        << write.err;
    EXPECT_EQ(Psets(sim), 0);

    // A value that fails on loading refuses the whole file, with what check says of it.
    test::WriteWholeFile(path, kHeader + "func 0\r\nque 2\r\npsh1 00900http://b/\r\ndisp 0\r\n");
    write = Morvik(sim, {"write", path});
    EXPECT_EQ(write.exitCode, 1);
    const RunResult check = Morvik({"check", path});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_FALSE(check.out.empty());
    EXPECT_EQ(write.err, check.out);
    EXPECT_EQ(Psets(sim), 0);
}

TEST_F(SlimCli, AMiniFileIsNotForASlim) {
    test::SimProcess sim = Sim("slim");
    const std::string path = files_.File("mini.dat");
    // A Mini file that passes its own checks (one with faults is refused before any terminal
    // is woken, whatever edition it is for).
    test::WriteWholeFile(path, MiniSettingsFileText(test::SampleSettings()));
    RunResult write = Morvik(sim, {"write", path});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find("この設定画面から設定可能な機器ではありません。"), std::string::npos)
        << write.err;
}

TEST_F(SlimCli, CheckReportsWhatLoadingAndTheWindowFind) {
    const std::string path = files_.File("c.dat");
    test::WriteWholeFile(path, kHeader + "func 0\r\nque 0\r\npsh1 00900http://b/\r\ndisp 0\r\n");
    RunResult good = Check(path);
    EXPECT_EQ(good.exitCode, 0) << good.out;
    EXPECT_EQ(good.out, "");

    test::WriteWholeFile(path, kHeader +
                                   "func 1\r\nque 9\r\npsh1 109000000\\s\\s1Fhttp://t/\r\n"
                                   "psh2 00000\r\ndisp x\r\n");
    RunResult bad = Check(path);
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out,
              "本体設定の設定値が不正です。デフォルト設定を適用します。\n"
              "URLが設定されていません。URLは必ず設定してください。\n"
              "クエリの設定値が不正です。\n");
}

TEST_F(SlimCli, ServiceWritesTheServiceWindowsValues) {
    std::filesystem::create_directories(config_.path());
    test::WriteWholeFile(config_.File("MorvikTool.ini"),
                         "[MorvikMini/Slim]\r\nServiceBrowserUrl=http://s/?\r\n"
                         "ServiceBrowserMessage=hello\\sworld\r\nServiceTorucaUrl=http://t/?\r\n"
                         "ServiceTorucaIcon=1f\r\n");
    test::SimProcess sim = Sim("slim");
    RunResult service = Morvik(sim, {"service", "--function", "2"});
    ASSERT_EQ(service.exitCode, 0) << service.err;
    EXPECT_EQ(service.out, "書き込みが完了しました。機器を再起動してください。\n");
    EXPECT_EQ(Sent(sim), (std::vector<std::string>{
                             "pset disp 0", "pset func 1", "pset psh1 10a000000\\s\\s1Fhttp://t/?",
                             "pset psh2 00a0bhttp://s/?hello\\sworld", "pset que 15"}));

    // 機能1 is the default; an option replaces the preferences' value.
    service = Morvik(sim, {"service", "--url", "http://o/&"});
    ASSERT_EQ(service.exitCode, 0) << service.err;
    EXPECT_EQ(Sent(sim),
              (std::vector<std::string>{"pset disp 0", "pset func 0",
                                        "pset psh1 00a0bhttp://o/&hello\\sworld", "pset que 3"}));

    RunResult bad = Morvik(sim, {"service", "--function", "3"});
    EXPECT_EQ(bad.exitCode, 2);
}

// --toruca-url and --icon give 機能2's Toruca record in place of the preferences' values.
TEST_F(SlimCli, ServiceTorucaOptionsReplaceThePreferences) {
    std::filesystem::create_directories(config_.path());
    test::WriteWholeFile(config_.File("MorvikTool.ini"),
                         "[MorvikMini/Slim]\r\nServiceBrowserUrl=http://s/?\r\n"
                         "ServiceTorucaUrl=http://t/?\r\nServiceTorucaIcon=1F\r\n");
    test::SimProcess sim = Sim("slim");
    RunResult service =
        Morvik(sim, {"service", "--function", "2", "--toruca-url", "http://u/?", "--icon=2A"});
    ASSERT_EQ(service.exitCode, 0) << service.err;
    EXPECT_EQ(Sent(sim), (std::vector<std::string>{"pset disp 0", "pset func 1",
                                                   "pset psh1 10a000000\\s\\s2Ahttp://u/?",
                                                   "pset psh2 00a00http://s/?", "pset que 15"}));
}

}  // namespace
}  // namespace morvik
