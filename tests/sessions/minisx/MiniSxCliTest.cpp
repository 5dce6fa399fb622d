// morvik read, write, check, easy and service with a simulated MiniSx: the built program end to
// end, and the refusal of files of the other Mini editions before anything is written.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "files/MiniFamilySettingsFile.h"
#include "model/minisx/MiniSxGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/mini/MiniTestData.h"
#include "support/CliFixture.h"
#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::RunResult;

class MiniSxCli : public test::CliFixture {
  protected:
    static bool Sent(const test::SimProcess& sim, std::string_view prefix) {
        for (const std::string& line : sim.LogLines()) {
            if (line.starts_with(prefix)) {
                return true;
            }
        }
        return false;
    }
    // The text a message prints on the screen: UTF-8, its first line.
    static std::string Screen(int id) {
        const std::string text(res::Text(id));
        return text.substr(0, text.find('\n'));
    }
};

TEST_F(MiniSxCli, ReadChangeWriteReadBack) {
    test::SimProcess sim = Sim(
        "minisx", {"--param", "nfc=2", "--param", "nque=1", "--ndef", "http://nfc.example.jp/a?"});
    const std::string file = files_.File("sx.dat");
    // Each command ends with a restart of the terminal; the next one starts when it is over, as
    // an operator's would (on a loaded machine the simulator may take the restart late).
    const long boot = sim.Boot();
    RunResult read = Morvik(sim, {"read", file});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    ASSERT_TRUE(sim.WaitForBoot(boot + 1));
    const std::string text = test::ReadWholeFile(file);
    ASSERT_TRUE(text.starts_with(res::TextCp932(res::ids::kMiniSxFileHeader) + "\r\n"));
    EXPECT_NE(text.find("\r\nndef_url http://nfc.example.jp/a?\r\n"), std::string::npos);
    EXPECT_EQ(Morvik(sim, {"check", file}).exitCode, 0);

    // Another URL and the smartphone settings of set 2.
    MiniSxSettings settings;
    ASSERT_FALSE(LoadMiniSxSettingsText(text + "\r\n", settings).Failed());
    settings.nfc.url = "http://nfc.example.jp/b&";
    settings.smartphone.Choose(SmartphoneChoice::SmartphoneSettings);
    std::string message;
    ASSERT_TRUE(SaveMiniSxSettingsFile(file, settings, message));
    RunResult write = Morvik(sim, {"write", file});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_NE(write.out.find(res::Text(res::ids::kWriteDoneRebooted)), std::string::npos);
    ASSERT_TRUE(sim.WaitForLogLine("ndef s 1 http://nfc.example.jp/b&"));
    EXPECT_FALSE(Sent(sim, "pset rslt") || Sent(sim, "pset isc") || Sent(sim, "pset pnt"));
    ASSERT_TRUE(sim.WaitForBoot(boot + 2));

    const std::string again = files_.File("again.dat");
    ASSERT_EQ(Morvik(sim, {"read", again}).exitCode, 0);
    MiniSxSettings back;
    ASSERT_FALSE(LoadMiniSxSettingsFile(again, back).Failed());
    EXPECT_EQ(back.nfc, settings.nfc);
    EXPECT_EQ(back.smartphone, (MiniSxSmartphoneDetection{2, 2}));
}

TEST_F(MiniSxCli, ReadWarningsAreShownAndTheFileStillWritten) {
    test::SimProcess sim = Sim("minisx", {"--param", "nfc=3"});
    const std::string file = files_.File("warned.dat");
    RunResult read = Morvik(sim, {"read", file});
    EXPECT_EQ(read.exitCode, 3);
    EXPECT_NE(read.err.find(res::Text(res::ids::kNfcDetectionInvalid)), std::string::npos);
    EXPECT_NE(test::ReadWholeFile(file).find("\r\nnfc 2\r\n"), std::string::npos);
}

TEST_F(MiniSxCli, FilesOfTheOtherMiniEditionsAreRefusedAsNotForThisTerminal) {
    const std::string miniFile = files_.File("mini.dat");
    const std::string sxFile = files_.File("sx.dat");
    // Files that pass their own checks: a file with faults is refused before any terminal is
    // woken, whatever edition it is for.
    test::WriteWholeFile(miniFile, MiniSettingsFileText(test::SampleSettings()));
    test::WriteWholeFile(sxFile, MiniSxSettingsFileText(test::MiniSxGen(1).Any()));
    const std::pair<const char*, std::string> cases[] = {{"minisx", miniFile}, {"mini", sxFile}};
    for (const auto& [edition, file] : cases) {
        test::SimProcess sim = Sim(edition);
        RunResult write = Morvik(sim, {"write", file});
        EXPECT_EQ(write.exitCode, 1) << edition;
        EXPECT_NE(write.err.find(Screen(res::ids::kNotThisEditionsTerminal)), std::string::npos)
            << edition << ": " << write.err;
        ASSERT_TRUE(sim.WaitForLogLine("reboot s")) << edition;
        EXPECT_FALSE(Sent(sim, "pset") || Sent(sim, "pclr") || Sent(sim, "ndef s") ||
                     Sent(sim, "x i"))
            << edition;
    }
}

TEST_F(MiniSxCli, CheckReportsTheNfcPage) {
    MiniSxSettings settings = test::MiniSxGen(2).Any();
    settings.nfc = {kNfcModeBrowser, kNfcQueryEncrypted, ""};
    const std::string file = files_.File("empty-url.dat");
    test::WriteWholeFile(file, MiniSxSettingsFileText(settings));
    RunResult check = Morvik(test::SimProcess(test::SimOptionsFor("minisx")), {"check", file});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find(res::Text(res::ids::kUrlEmpty)), std::string::npos) << check.out;

    // write refuses the same file before anything is sent.
    test::SimProcess sim = Sim("minisx");
    RunResult write = Morvik(sim, {"write", file});
    EXPECT_EQ(write.exitCode, 1);
    EXPECT_NE(write.err.find(res::Text(res::ids::kUrlEmpty)), std::string::npos) << write.err;
    EXPECT_FALSE(Sent(sim, "pset"));
}

TEST_F(MiniSxCli, EasyAndServiceWriteTheNfcBrowserLaunch) {
    test::SimProcess sim = Sim("minisx");
    RunResult easy =
        Morvik(sim, {"easy", "--url", "http://a.example.jp/", "--message", "Hello", "--no-clock"});
    ASSERT_EQ(easy.exitCode, 0) << easy.err;
    ASSERT_TRUE(sim.WaitForLogLine("ndef s 0 http://a.example.jp/"));
    EXPECT_EQ(sim.StateValue("que1"), "0");

    RunResult service = Morvik(
        sim, {"service", "--url", "http://s.example.jp/?", "--message", "Hi", "--lamp", "green"});
    ASSERT_EQ(service.exitCode, 0) << service.err;
    ASSERT_TRUE(sim.WaitForLogLine("ndef s 2 http://s.example.jp/?"));
    EXPECT_EQ(sim.StateValue("que2"), "15");
    EXPECT_EQ(sim.StateValue("nfc"), "2");
    EXPECT_TRUE(Sent(sim, "rtc s "));
}

}  // namespace
}  // namespace morvik
