// The MiniSx read session against a simulated MiniSx and on settings files: round trips of every
// NFC mode and smartphone choice, the decoding cases that add warnings, the read order, and the
// files of the other Mini editions refused.

#include <gtest/gtest.h>

#include "files/MiniFamilySettingsFile.h"
#include "model/minisx/MiniSxGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "support/AfterTerminal.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using test::Sjis;

std::string T(int id) {
    return res::TextCp932(id);
}

using test::AfterTerminal;

TEST(MiniSxReadSession, EveryNfcModeAndSmartphoneChoiceRoundTrips) {
    test::MiniSxGen gen(99);
    test::SimTerminal sim("minisx");
    const SmartphoneChoice choices[] = {SmartphoneChoice::Basic, SmartphoneChoice::KelTouch,
                                        SmartphoneChoice::SmartphoneSettings};
    for (int mode = 0; mode < 3; ++mode) {
        MiniSxSettings model = gen.Any();
        model.registerSounds = false;
        model.nfc.mode = mode;
        model.nfc.query = 2 - mode;
        model.nfc.url = mode == 1 ? "" : "http://nfc.example.jp/" + std::to_string(mode) + "?";
        model.smartphone.Choose(choices[mode]);
        ASSERT_TRUE(ValidateMiniSxSettings(model).empty());

        ASSERT_TRUE(sim.Open());
        CMiniSxWriteSession write(sim.Terminal(), model, false);
        write.RunHere();
        ASSERT_TRUE(write.Completed()) << write.ErrorText();
        sim.Terminal().Disconnect();

        // The window's earlier sound list stays: a terminal cannot give it back.
        MiniSxSettings held;
        held.soundPaths[2] = "C:\\keep.wav";
        CMiniSxReadSession read(sim.Terminal(), true, held);
        read.RunHere();
        ASSERT_TRUE(read.Completed()) << read.ErrorText();
        EXPECT_TRUE(read.Loaded());
        EXPECT_EQ(read.Settings(), AfterTerminal(model, held)) << "mode " << mode;
        EXPECT_EQ(read.Settings().smartphone.Choice(), choices[mode]);
        sim.Terminal().Disconnect();
    }
}

TEST(MiniSxReadSession, ReadsInItsOrderAndEndsWithRebootS) {
    test::SimTerminal sim("minisx");
    CMiniSxReadSession read(sim.Terminal(), true);
    read.RunHere();
    ASSERT_TRUE(read.Finished());
    ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot s"));
    std::vector<std::string> expected;
    for (const char* key :
         {"psA1", "psA2", "psB1", "psB2", "que1", "que2", "fchg", "rtcc", "smp", "nfc", "nque"}) {
        expected.push_back(std::string("pget ") + key);
    }
    expected.push_back("ndef g u");
    for (const char* key : {"sov1", "snv1", "sob1", "snb1", "sov2", "sob2", "lov1", "lnv1", "liv1",
                            "lob1", "lnb1", "lib1", "lov2", "lob2"}) {
        expected.push_back(std::string("pget ") + key);
    }
    expected.push_back("reboot s");
    EXPECT_EQ(sim.SessionLines(), expected);
    // The factory NDEF text is the URL alone.
    EXPECT_EQ(read.Settings().nfc.url, "http://www.example.jp/nfc");
}

struct WarningCase {
    std::vector<std::string> args;
    std::string warning;
    MiniSxNfcSettings nfc;
    SmartphoneChoice choice;
};

TEST(MiniSxReadSession, DecodingCasesGiveTheirWarningsAndKeepTheRest) {
    const std::string url = "http://www.example.jp/nfc";
    const WarningCase cases[] = {
        {{"--param", "nfc=3"}, T(ids::kNfcDetectionInvalid), {2, 2, ""}, SmartphoneChoice::Basic},
        {{"--param", "nfc=2", "--ndef", url + " 01"},
         T(ids::kNfcFormatUnreadable),
         {2, 0, ""},
         SmartphoneChoice::Basic},
        {{"--param", "nfc=0", "--ndef", url + " 01"}, "", {0, 0, ""}, SmartphoneChoice::Basic},
        {{"--param", "nfc=1", "--param", "nque=5"}, "", {1, 2, url}, SmartphoneChoice::Basic},
        {{"--param", "fchg=1", "--param", "smp=7"}, "", {0, 0, url}, SmartphoneChoice::Basic},
        {{"--param", "fchg=2", "--param", "smp=2", "--param", "rtcc=5"},
         T(ids::kClockCheckInvalid),
         {0, 0, url},
         SmartphoneChoice::SmartphoneSettings},
        {{"--param", "lob2=XYZ"}, T(ids::kLampValueInvalid), {0, 0, url}, SmartphoneChoice::Basic},
        // A URL whose last letter and the option's space spell the read command's second word
        // ("ndef g u"): the text comes back whole.
        {{"--param", "nfc=2", "--ndef", url + ".jpg 00"},
         "",
         {2, 0, url + ".jpg"},
         SmartphoneChoice::Basic},
    };
    for (const WarningCase& c : cases) {
        test::SimTerminal sim("minisx", c.args);
        CMiniSxReadSession read(sim.Terminal(), true);
        read.RunHere();
        const std::string what = c.args[1];
        ASSERT_TRUE(read.Loaded()) << what << ": " << read.ErrorText();
        if (c.warning.empty()) {
            EXPECT_TRUE(read.Completed()) << what << ": " << read.ErrorText();
        } else {
            EXPECT_TRUE(read.Failed() && read.WarningsOnly()) << what;
            EXPECT_EQ(read.ErrorText(), c.warning + "\r\n") << what;
        }
        EXPECT_EQ(read.Settings().nfc, c.nfc) << what;
        EXPECT_EQ(read.Settings().smartphone.Choice(), c.choice) << what;
    }
}

TEST(MiniSxReadSession, ASilentTerminalEndsTheReadAsAFailedRead) {
    test::SimTerminal sim("minisx", {"--fault", "silent-key=ndef"});
    CMiniSxReadSession read(sim.Terminal(), true);
    read.RunHere();
    EXPECT_TRUE(read.Failed());
    EXPECT_FALSE(read.WarningsOnly());
    EXPECT_FALSE(read.Loaded());
    EXPECT_EQ(read.ErrorText(), T(ids::kReadFailed) + "\r\n");
    // Nothing after the NDEF read was asked for.
    ASSERT_TRUE(sim.Sim().WaitForLogLine("reboot s"));
    const std::vector<std::string> lines = sim.SessionLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "ndef g u");
}

TEST(MiniSxReadSession, FilesOfTheirOwnEditionOnly) {
    test::TempDir dir;
    test::MiniSxGen gen(4);
    const MiniSxSettings model = gen.Any();
    std::string message;
    ASSERT_TRUE(SaveMiniSxSettingsFile(dir.File("sx.dat"), model, message));
    ASSERT_TRUE(SaveMiniSettingsFile(dir.File("mini.dat"), MiniSettings{}, message));

    CMiniSxReadSession sx(dir.File("sx.dat"));
    sx.RunHere();
    ASSERT_TRUE(sx.Completed()) << sx.ErrorText();
    EXPECT_EQ(sx.Settings(), model);

    CMiniSxReadSession mini(dir.File("mini.dat"), model);
    mini.RunHere();
    EXPECT_TRUE(mini.Failed());
    EXPECT_EQ(mini.ErrorText(), T(ids::kSettingsFileInvalid) + "\r\n");
    EXPECT_EQ(mini.Settings(), model);

    CMiniSxReadSession missing(dir.File("none.dat"));
    missing.RunHere();
    EXPECT_EQ(missing.ErrorText(), T(ids::kFileOpenFailed) + "\r\n");
}

}  // namespace
}  // namespace morvik
