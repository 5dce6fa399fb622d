// The read session against a simulated Mini and from settings files: what it asks for, what it
// makes of the answers, and how it ends when a value is wrong or missing.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "files/MiniFamilySettingsFile.h"
#include "model/settings/MiniSettingsGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/mini/MiniTestData.h"
#include "support/AfterTerminal.h"
#include "support/Files.h"
#include "support/SimTerminal.h"
#include "support/Wave.h"

namespace morvik {
namespace {

using Lines = std::vector<std::string>;
using test::Sjis;

// The 42 keys in the order a read asks for them.
const Lines kReadOrder = {"psA1", "psA2", "psB1", "psB2", "que1", "que2", "rslt", "fchg", "tlog",
                          "pow",  "rtcc", "pnt",  "pntT", "isc",  "sov1", "snv1", "spv1", "sob1",
                          "snb1", "spb1", "sov2", "snv2", "spv2", "sob2", "snb2", "spb2", "lov1",
                          "lnv1", "liv1", "lpv1", "lob1", "lnb1", "lib1", "lpb1", "lov2", "lnv2",
                          "liv2", "lpv2", "lob2", "lnb2", "lib2", "lpb2"};

using test::AfterTerminal;

// Writes the model to the terminal and lets it restart, so that a read finds it in normal mode.
void WriteToTerminal(test::SimTerminal& mini, const MiniSettings& model) {
    const long boot = mini.Sim().Boot();
    ASSERT_TRUE(mini.Open());
    MiniSettings withoutSounds = model;
    withoutSounds.registerSounds = false;
    CMiniWriteSession write(mini.Terminal(), withoutSounds, false);
    test::SimTerminal::RunToEnd(write);
    ASSERT_TRUE(write.Completed()) << write.ErrorText();
    mini.Terminal().Disconnect();
    ASSERT_TRUE(mini.Sim().WaitForBoot(boot + 1));
}

TEST(MiniReadSession, ReadsBackWhatWasWrittenKeyByKey) {
    test::SimTerminal mini("mini");
    MiniSettings model = test::SampleSettings();
    model.terminal.authCode = "0123";
    WriteToTerminal(mini, model);
    const std::size_t before = mini.Sim().LogLines().size();

    // The detailed window's read: the worker opens the session itself.
    CMiniReadSession read(mini.Terminal(), true);
    test::SimTerminal::RunToEnd(read);
    mini.Terminal().Disconnect();

    ASSERT_TRUE(read.Completed()) << read.ErrorText();
    EXPECT_TRUE(read.Loaded());
    EXPECT_EQ(read.Position(), 8);
    EXPECT_EQ(read.TitleId(), res::ids::kReadingCaption);
    EXPECT_EQ(read.Settings(), AfterTerminal(model));

    ASSERT_TRUE(mini.Sim().WaitForLogLine("reboot s"));
    Lines lines = mini.Sim().LogLines();
    Lines gets =
        test::WithPrefix(Lines(lines.begin() + static_cast<long>(before), lines.end()), "pget ");
    ASSERT_EQ(gets.size(), kReadOrder.size());
    for (std::size_t i = 0; i < gets.size(); ++i) {
        EXPECT_EQ(gets[i], "pget " + kReadOrder[i]);
    }
    EXPECT_EQ(lines.back(), "reboot s");
}

TEST(MiniReadSession, RandomModelsComeBackFromTheTerminalAndFromTheirFile) {
    test::MiniSettingsGen gen(20240611);
    test::TempDir dir;
    for (int n = 0; n < 2; ++n) {
        const MiniSettings model = gen.Any();
        test::SimTerminal mini("mini");
        WriteToTerminal(mini, model);
        ASSERT_TRUE(mini.Open());
        CMiniReadSession fromTerminal(mini.Terminal(), false);
        test::SimTerminal::RunToEnd(fromTerminal);
        ASSERT_TRUE(fromTerminal.Completed()) << fromTerminal.ErrorText();
        EXPECT_EQ(fromTerminal.Settings(), AfterTerminal(model)) << "model " << n;

        // The same settings saved as a file give the same model (and the file keeps sounds).
        const std::string path = dir.File("m" + std::to_string(n) + ".dat");
        std::string message;
        ASSERT_TRUE(SaveMiniSettingsFile(path, fromTerminal.Settings(), message)) << message;
        CMiniReadSession fromFile(path);
        test::SimTerminal::RunToEnd(fromFile);
        ASSERT_TRUE(fromFile.Completed()) << fromFile.ErrorText();
        EXPECT_EQ(fromFile.Settings(), fromTerminal.Settings());
        EXPECT_NE(fromFile.FileText().find("sound_regist 0\r\n"), std::string::npos);
    }
}

TEST(MiniReadSession, AnInvalidCodeIsAWarningAndEverythingElseIsRead) {
    // The terminal answers the code packed; five digits are no code.
    test::SimTerminal mini(
        "mini", {"--param", "isc=12345", "--param", "rslt=1", "--param", "que1=3", "--param",
                 "psA1=00a00http://a/?", "--param", "lov1=0a99999999990000000000"});
    ASSERT_TRUE(mini.Open());
    CMiniReadSession read(mini.Terminal(), false);
    test::SimTerminal::RunToEnd(read);

    EXPECT_TRUE(read.Failed());
    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_TRUE(read.Loaded());
    EXPECT_EQ(read.ErrorText(), Sjis("認証コードの設定値が不正です。\r\n"));
    EXPECT_EQ(read.Position(), read.Maximum());
    EXPECT_EQ(read.Settings().terminal.authCode, "");
    EXPECT_EQ(read.Settings().terminal.cardDetection, 1);
    EXPECT_EQ(read.Settings().sets[0].queryFlags, 3);
    EXPECT_EQ(read.Settings().lamps.sets[0][0], "12222222222");
    EXPECT_TRUE(mini.Sim().WaitForLogLine("reboot s"));
}

TEST(MiniReadSession, BadLampsAndRecordsAreWarningsNamingTheirPlace) {
    test::SimTerminal mini("mini",
                           {"--param", "psB2=9xyz", "--param", "lnv2=zz", "--param", "lpb1=ff"});
    ASSERT_TRUE(mini.Open());
    CMiniReadSession read(mini.Terminal(), false);
    test::SimTerminal::RunToEnd(read);

    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_EQ(read.ErrorText(), Sjis("機能の設定値が不正です。\r\n"
                                     "設定2(ACアダプタ/モルヴィク・ミニ設定ケーブル利用時 失敗), "
                                     "定期誘導設定(設定1 電池利用時)のランプ設定に不正な設定値が"
                                     "ありました。"
                                     "ランプ設定画面を確認し、再度設定して下さい。\r\n"));
}

TEST(MiniReadSession, AMissingReplyEndsTheReadAtThatKey) {
    test::SimTerminal mini("mini", {"--fault", "silent-key=que1"});
    ASSERT_TRUE(mini.Open());
    MiniSettings before = test::SampleSettings();
    CMiniReadSession read(mini.Terminal(), false, before);
    test::SimTerminal::RunToEnd(read);

    EXPECT_TRUE(read.Failed());
    EXPECT_FALSE(read.WarningsOnly());
    EXPECT_FALSE(read.Loaded());
    EXPECT_EQ(read.ErrorText(), Sjis("シリアル通信で読み込みに失敗しました。\r\n"));
    EXPECT_EQ(read.Settings(), before);
    const Lines lines = mini.LinesSinceOpen("reboot s");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "pget que1");
    EXPECT_EQ(lines.back(), "reboot s");
}

TEST(MiniReadSession, ATerminalSettingOutOfRangeEndsTheRead) {
    test::SimTerminal mini("mini", {"--param", "pow=1"});
    ASSERT_TRUE(mini.Open());
    CMiniReadSession read(mini.Terminal(), false);
    test::SimTerminal::RunToEnd(read);
    EXPECT_FALSE(read.Loaded());
    EXPECT_EQ(read.ErrorText(), Sjis("動作モードの値が不正です。\r\n"));
}

TEST(MiniReadSession, FilesThatCannotBeLoaded) {
    test::TempDir dir;
    CMiniReadSession missing(dir.File("none.dat"));
    test::SimTerminal::RunToEnd(missing);
    EXPECT_EQ(missing.ErrorText(), Sjis("ファイルのオープンに失敗しました。\r\n"));

    // The Slim header is no Mini header.
    const std::string slim = dir.File("slim.dat");
    test::WriteWholeFile(slim, "# Morvik Slim [ZRT410] Configuration File\r\nfunc 0\r\n");
    CMiniReadSession wrongEdition(slim);
    test::SimTerminal::RunToEnd(wrongEdition);
    EXPECT_FALSE(wrongEdition.Loaded());
    EXPECT_EQ(wrongEdition.ErrorText(), Sjis("機器設定ファイルのデータが不正です。\r\n"));

    // A Mini file whose rslt line is gone fails on rslt's check.
    std::string text = MiniSettingsFileText(test::SampleSettings());
    const std::size_t rslt = text.find("\r\nrslt ");
    text.erase(rslt, text.find("\r\n", rslt + 2) - rslt);
    const std::string noRslt = dir.File("nordslt.dat");
    test::WriteWholeFile(noRslt, text);
    CMiniReadSession broken(noRslt);
    test::SimTerminal::RunToEnd(broken);
    EXPECT_EQ(broken.ErrorText(), Sjis("カード検出動作の値が不正です。\r\n"));
}

TEST(MiniReadSession, AFileWithoutItsLastLineEndStillGivesItsValue) {
    test::TempDir dir;
    MiniSettings model = test::SampleSettings();
    model.terminal.authCode = "0123";
    model.soundPaths[11] = Sjis("C:\\音声\\last one.wav");
    model.registerSounds = true;
    std::string text = MiniSettingsFileText(model);
    ASSERT_TRUE(text.ends_with("sound_regist 1\r\n"));
    text.resize(text.size() - 2);
    const std::string path = dir.File("m.dat");
    test::WriteWholeFile(path, text);
    CMiniReadSession read(path);
    test::SimTerminal::RunToEnd(read);
    ASSERT_TRUE(read.Completed()) << MessageLines(read.Warnings()) << read.ErrorText();
    EXPECT_TRUE(read.Settings().registerSounds);
    EXPECT_EQ(read.Settings().soundPaths[11], model.soundPaths[11]);
}

}  // namespace
}  // namespace morvik
