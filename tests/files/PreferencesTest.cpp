// The preferences file: the rules applied to stored values, the defaults of a missing file, and
// writing that keeps the rest of the file and never leaves a half-written one.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/Preferences.h"
#include "model/Cp932.h"
#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

class PreferencesTest : public ::testing::Test {
  protected:
    std::string Path() const { return dir_.File("MorvikTool.ini"); }
    Preferences LoadedFrom(const std::string& body) {
        test::WriteWholeFile(Path(), body);
        Preferences prefs(Path());
        prefs.Load();
        return prefs;
    }
    test::TempDir dir_;
};

TEST_F(PreferencesTest, MissingFileGivesEveryDefault) {
    Preferences prefs(dir_.File("absent/MorvikTool.ini"));
    prefs.Load();
    EXPECT_EQ(prefs.Port(), 1);
    EXPECT_FALSE(prefs.CloseAfterWrite());
    EXPECT_EQ(prefs.ServiceBrowserUrl(), "");
    EXPECT_EQ(prefs.ServiceBrowserMessage(), "");
    EXPECT_EQ(prefs.ServiceTorucaUrl(), "");
    EXPECT_EQ(prefs.ServiceTorucaIcon(), "0000");
    EXPECT_EQ(prefs.ReadUserLamp(1), "");
    // Reading creates nothing.
    EXPECT_FALSE(std::filesystem::exists(dir_.File("absent")));
}

TEST_F(PreferencesTest, StoredPortOutsideTheRangeBecomesOne) {
    const std::pair<const char*, int> cases[] = {
        {"0", 1},      {"257", 1}, {"-3", 1},  {"256", 256},      {"7", 7},
        {"12abc", 12}, {"abc", 1}, {" 9 ", 9}, {"4294967297", 1},
    };
    for (const auto& [stored, port] : cases) {
        SCOPED_TRACE(stored);
        const Preferences prefs =
            LoadedFrom(std::string("[MorvikMini/Slim]\r\nSerialPortNum=") + stored + "\r\n");
        EXPECT_EQ(prefs.Port(), port);
    }
}

TEST_F(PreferencesTest, CloseFlagKeepsTheLowByteOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"0", false}, {"1", true}, {"2", false}, {"257", true}, {"256", false}, {"-1", false},
    };
    for (const auto& [stored, on] : cases) {
        SCOPED_TRACE(stored);
        const Preferences prefs =
            LoadedFrom(std::string("[MorvikMini/Slim]\r\nCloseCheck=") + stored + "\r\n");
        EXPECT_EQ(prefs.CloseAfterWrite(), on);
    }
}

TEST_F(PreferencesTest, ServiceTextsAreCutToTheirLimits) {
    const std::string sjisA = Utf8ToCp932Lossy("ア");  // two bytes
    const Preferences prefs = LoadedFrom(
        "[morvikmini/slim]\n"  // names compare without regard to case
        "serviceBrowserUrl=" +
        std::string(200, 'u') +
        "\n"
        "ServiceBrowserMessage=" +
        std::string(182, 'm') + sjisA +
        "\n"  // 184 bytes
        "ServiceTorucaUrl=\"http://t\"\n"
        "ServiceTorucaIcon=12345\n");
    EXPECT_EQ(prefs.ServiceBrowserUrl(), std::string(184, 'u'));
    // The double-byte character does not fit in 183 bytes and is not cut in two.
    EXPECT_EQ(prefs.ServiceBrowserMessage(), std::string(182, 'm'));
    EXPECT_EQ(prefs.ServiceTorucaUrl(), "http://t");
    EXPECT_EQ(prefs.ServiceTorucaIcon(), "1234");
}

TEST_F(PreferencesTest, KeysOutsideTheSectionAreNotRead) {
    const Preferences prefs = LoadedFrom(
        "[Other]\nSerialPortNum=9\nServiceTorucaIcon=ABCD\n[MorvikMini/Slim]\nCloseCheck=1\n");
    EXPECT_EQ(prefs.Port(), 1);
    EXPECT_EQ(prefs.ServiceTorucaIcon(), "0000");
    EXPECT_TRUE(prefs.CloseAfterWrite());
}

TEST_F(PreferencesTest, SaveCreatesFolderAndWritesBothKeys) {
    const std::string path = dir_.File("new/folder/MorvikTool.ini");
    Preferences prefs(path);
    prefs.SetPort(12);
    prefs.SetCloseAfterWrite(true);
    ASSERT_TRUE(prefs.Save());
    EXPECT_EQ(test::ReadWholeFile(path),
              "[MorvikMini/Slim]\r\nSerialPortNum=12\r\nCloseCheck=1\r\n");

    Preferences again(path);
    again.Load();
    EXPECT_EQ(again.Port(), 12);
    EXPECT_TRUE(again.CloseAfterWrite());

    prefs.SetPort(300);  // refused like a stored value
    EXPECT_EQ(prefs.Port(), 1);
}

TEST_F(PreferencesTest, SaveKeepsEverythingElseOfTheFile) {
    test::WriteWholeFile(
        Path(),
        "; provisioned\r\n[Other]\r\nSerialPortNum=5\r\n\r\n[MorvikMini/Slim]\r\n"
        "ServiceTorucaIcon=00FF\r\nserialportnum=3\r\nuserlamp1=2 3 4\r\n\r\n[Last]\r\nx=1\r\n");
    Preferences prefs(Path());
    prefs.Load();
    EXPECT_EQ(prefs.Port(), 3);
    prefs.SetPort(44);
    ASSERT_TRUE(prefs.Save());
    EXPECT_EQ(test::ReadWholeFile(Path()),
              "; provisioned\r\n[Other]\r\nSerialPortNum=5\r\n\r\n[MorvikMini/Slim]\r\n"
              "ServiceTorucaIcon=00FF\r\nSerialPortNum=44\r\nuserlamp1=2 3 4\r\nCloseCheck=0\r\n"
              "\r\n[Last]\r\nx=1\r\n");
    EXPECT_EQ(prefs.ReadUserLamp(1), "2 3 4");
    ASSERT_TRUE(prefs.WriteUserLamp(3, "9"));
    EXPECT_EQ(prefs.ReadUserLamp(3), "9");
    EXPECT_FALSE(prefs.WriteUserLamp(4, "9"));
    EXPECT_EQ(prefs.ReadUserLamp(0), "");
}

// A file a Linux editor saved in UTF-8 reads as the same Japanese text (not as code page 932
// mojibake), and a save writes its keys in UTF-8 and leaves every other line's bytes alone.
TEST_F(PreferencesTest, AUtf8FileReadsAsItsTextAndStaysUtf8) {
    const std::string body =
        "\xEF\xBB\xBF[MorvikMini/Slim]\n"  // with the mark some editors write
        "ServiceBrowserMessage=ようこそ 😀\n; コメント\n";
    Preferences prefs = LoadedFrom(body);
    // The emoji has no code page 932 form: it becomes a byte every check refuses, never "?".
    EXPECT_EQ(prefs.ServiceBrowserMessage(), Utf8ToCp932Lossy("ようこそ ") + "\xFF");
    ASSERT_TRUE(prefs.WriteUserLamp(1, Utf8ToCp932Lossy("ア")));
    EXPECT_EQ(test::ReadWholeFile(Path()),
              "\xEF\xBB\xBF[MorvikMini/Slim]\r\nServiceBrowserMessage=ようこそ 😀\r\n"
              "; コメント\r\nuserlamp1=ア\r\n");

    // Code page 932 Japanese stays code page 932.
    const Preferences cp932 = LoadedFrom(
        "[MorvikMini/Slim]\nServiceBrowserMessage=" + Utf8ToCp932Lossy("ようこそ") + "\n");
    EXPECT_EQ(cp932.ServiceBrowserMessage(), Utf8ToCp932Lossy("ようこそ"));
}

TEST_F(PreferencesTest, FailedSaveLeavesNothingBehind) {
    // A folder that cannot be made (a file stands in its place).
    test::WriteWholeFile(dir_.File("blocker"), "x");
    Preferences blocked(dir_.File("blocker/MorvikTool.ini"));
    EXPECT_FALSE(blocked.Save());
    EXPECT_EQ(test::ReadWholeFile(dir_.File("blocker")), "x");

    // A target that cannot be replaced: no temporary file stays beside it.
    std::filesystem::create_directory(Path());
    Preferences prefs(Path());
    EXPECT_FALSE(prefs.Save());
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                            std::filesystem::directory_iterator()),
              2);
}

}  // namespace
}  // namespace morvik
