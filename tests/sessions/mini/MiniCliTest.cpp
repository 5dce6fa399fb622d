// morvik read, write, easy and service end to end: the built program against morvik-sim.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "files/MiniFamilySettingsFile.h"
#include "files/SlimSettingsFile.h"
#include "sessions/mini/MiniTestData.h"
#include "support/CliFixture.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/Wave.h"

namespace morvik {
namespace {

using test::RunResult;
using test::Sjis;

class MiniCli : public test::CliFixture {
  protected:
    static std::size_t Count(const std::vector<std::string>& lines, const std::string& prefix) {
        return static_cast<std::size_t>(
            std::count_if(lines.begin(), lines.end(),
                          [&](const std::string& l) { return l.starts_with(prefix); }));
    }
};

TEST_F(MiniCli, ReadChangeWriteReadShowsTheChange) {
    test::SimProcess sim = Sim("mini", {"--param", "isc=0123"});
    const std::string first = files_.File("first.dat");
    // Each command ends with a restart; the next starts when it is over, as an operator's would.
    const long boot = sim.Boot();
    RunResult read = Morvik(sim, {"read", first});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    ASSERT_TRUE(sim.WaitForBoot(boot + 1));
    std::string text = test::ReadWholeFile(first);
    ASSERT_NE(text.find("\r\nrslt 0\r\n"), std::string::npos);
    text.replace(text.find("\r\nrslt 0\r\n"), 10, "\r\nrslt 1\r\n");
    test::WriteWholeFile(first, text);

    RunResult write = Morvik(sim, {"write", first});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_EQ(write.out, "書き込みが完了し、再起動しました。\n");
    EXPECT_EQ(sim.StateValue("rslt"), "1");
    EXPECT_TRUE(sim.WaitForLogLine("reboot"));
    ASSERT_TRUE(sim.WaitForBoot(boot + 2));

    const std::string second = files_.File("second.dat");
    ASSERT_EQ(Morvik(sim, {"read", second}).exitCode, 0);
    EXPECT_EQ(test::ReadWholeFile(second), text);
}

TEST_F(MiniCli, AReadWithWarningsSavesTheFileAndSaysSo) {
    test::SimProcess sim = Sim("mini", {"--param", "isc=12345"});
    const std::string path = files_.File("w.dat");
    RunResult read = Morvik(sim, {"read", path});
    EXPECT_EQ(read.exitCode, 3);
    EXPECT_NE(read.err.find("認証コードの設定値が不正です。"), std::string::npos) << read.err;
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST_F(MiniCli, AFileWithProblemsIsNotWrittenAtAll) {
    test::SimProcess sim = Sim("mini");
    std::string text =
        "# Morvik Mini [ZRT450] Configuration File\r\nver 1\r\n"
        "psA1 00000\r\npsB1 00000\r\npsA2 00000\r\npsB2 00000\r\n"
        "rslt 0\r\nfchg 0\r\ntlog 0\r\npow 2\r\nrtcc 0\r\nque1 0\r\nque2 0\r\n";
    const std::string path = files_.File("bad.dat");
    test::WriteWholeFile(path, text);
    RunResult write = Morvik(sim, {"write", path});
    EXPECT_EQ(write.exitCode, 1);
    // Every empty URL is reported, one line each, before anything is sent.
    std::size_t lines = 0;
    for (std::size_t pos = 0;
         (pos = write.err.find("URLが設定されていません。", pos)) != std::string::npos; ++pos) {
        ++lines;
    }
    EXPECT_EQ(lines, 4u) << write.err;
    // The file is checked before the terminal is woken: it heard nothing at all.
    EXPECT_TRUE(sim.LogLines().empty());
}

TEST_F(MiniCli, AnotherEditionIsRefusedAsNotForThisWindowAndNothingIsWritten) {
    const std::string kNotThisEdition = "この設定画面から設定可能な機器ではありません。";
    // A Slim has no easy window, and takes no Mini file.
    test::SimProcess slim = Sim("slim");
    RunResult easy = Morvik(slim, {"easy", "--url", "http://a/"});
    EXPECT_EQ(easy.exitCode, 1);
    EXPECT_NE(easy.err.find(kNotThisEdition), std::string::npos) << easy.err;
    const std::string miniFile = files_.File("mini.dat");
    test::WriteWholeFile(miniFile, MiniSettingsFileText(test::SampleSettings()));
    RunResult onSlim = Morvik(slim, {"write", miniFile});
    EXPECT_EQ(onSlim.exitCode, 1);
    EXPECT_NE(onSlim.err.find(kNotThisEdition), std::string::npos) << onSlim.err;
    EXPECT_EQ(Count(slim.LogLines(), "pset "), 0u);

    // A Mini takes no Slim file.
    test::SimProcess mini = Sim("mini");
    const std::string slimFile = files_.File("slim.dat");
    SlimEditorState slimState;
    slimState.browser = {"http://b/?", ""};
    ASSERT_TRUE(SaveSlimSettingsFile(slimFile, slimState));
    RunResult write = Morvik(mini, {"write", slimFile});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find(kNotThisEdition), std::string::npos);
    EXPECT_EQ(Count(mini.LogLines(), "pset "), 0u);
}

TEST_F(MiniCli, ServiceWritesTheEncryptedQueryWithTheGivenTexts) {
    test::SimProcess sim = Sim("mini");
    RunResult service = Morvik(
        sim, {"service", "--url=http://s/", "--message", "a b\nc", "--lamp", "off", "--no-clock"});
    ASSERT_EQ(service.exitCode, 0) << service.err;
    EXPECT_EQ(sim.StateValue("que2"), "15");
    // The line break travels as "\r\n", the space as "\s"; lengths count CR LF as two bytes.
    EXPECT_EQ(sim.StateValue("psB2"), "00906http://s/a\\sb\\r\\nc");
    EXPECT_EQ(sim.StateValue("lpb2"), std::string(22, '0'));
    EXPECT_EQ(Count(sim.LogLines(), "rtc "), 0u);
}

// What code page 932 gives no character never travels: from a file (an unassigned double-byte
// pair in a message, which a window would show as a mark and save back as "?"), or from the
// command line (an emoji).
TEST_F(MiniCli, TextsWithoutACodePage932FormAreRefusedBeforeTheTerminalIsWoken) {
    test::SimProcess sim = Sim("mini");
    MiniSettings settings = test::SampleSettings();
    settings.sets[0].other.mailer.message = "m\x85\x40";
    const std::string path = files_.File("unassigned.dat");
    test::WriteWholeFile(path, MiniSettingsFileText(settings));
    RunResult write = Morvik(sim, {"write", path});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find("メーラ起動のメッセージに不正な文字が使用されています。"),
              std::string::npos)
        << write.err;
    RunResult easy =
        Morvik(sim, {"easy", "--url", "http://x.jp/", "--message", "\xF0\x9F\x98\x80"});
    EXPECT_EQ(easy.exitCode, 2);
    EXPECT_NE(easy.err.find("機器で使えない文字"), std::string::npos) << easy.err;
    EXPECT_TRUE(sim.LogLines().empty());
}

TEST_F(MiniCli, BadChoicesAreUsageErrors) {
    test::SimProcess sim = Sim("mini");
    EXPECT_EQ(Morvik(sim, {"easy", "--lamp", "purple"}).exitCode, 2);
    EXPECT_EQ(Morvik(sim, {"easy", "--sound"}).exitCode, 2);
    EXPECT_EQ(Morvik(sim, {"write"}).exitCode, 2);
    EXPECT_EQ(Morvik(sim, {"read", "a.dat", "b.dat"}).exitCode, 2);
    EXPECT_TRUE(sim.LogLines().empty());
}

// --set-clock sends the PC's time as "rtc s YY MM DD hh mm ss" after the values and before the
// restart that applies them; without it the terminal's clock is left alone.
TEST_F(MiniCli, WriteSetsTheClockOnlyWhenAsked) {
    test::SimProcess sim = Sim("mini");
    const std::string path = files_.File("s.dat");
    test::WriteWholeFile(path, MiniSettingsFileText(test::SampleSettings()));
    RunResult plain = Morvik(sim, {"write", path});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    ASSERT_TRUE(sim.WaitForBoot(2));
    EXPECT_EQ(Count(sim.LogLines(), "rtc "), 0u);

    RunResult clock = Morvik(sim, {"write", path, "--set-clock"});
    ASSERT_EQ(clock.exitCode, 0) << clock.err;
    ASSERT_TRUE(sim.WaitForBoot(3));
    const std::vector<std::string> lines = sim.LogLines();
    const auto rtc = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& l) { return l.starts_with("rtc "); });
    ASSERT_NE(rtc, lines.end());
    EXPECT_TRUE(std::regex_match(*rtc, std::regex(R"(rtc s \d\d \d\d \d\d \d\d \d\d \d\d)")))
        << *rtc;
    EXPECT_TRUE((rtc - 1)->starts_with("pset ") || (rtc - 1)->starts_with("pclr ")) << *(rtc - 1);
    ASSERT_NE(rtc + 1, lines.end());
    EXPECT_EQ(*(rtc + 1), "reboot");
}

}  // namespace
}  // namespace morvik
