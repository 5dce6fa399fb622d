// The MiniSx settings model and its settings file: round trips, the file's line order, the NDEF
// text of a file, and warnings that never stop a read.

#include <gtest/gtest.h>

#include <fstream>

#include "files/MiniFamilySettingsFile.h"
#include "model/minisx/MiniSxGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using test::MiniSxGen;

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> words;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(' ', from)) != std::string::npos; from = at + 1) {
        words.push_back(text.substr(from, at - from));
    }
    words.push_back(text.substr(from));
    return words;
}

TEST(MiniSxSettingsFile, RandomModelsRoundTripThroughText) {
    MiniSxGen gen(3030);
    int browser = 0;
    for (int n = 0; n < 300; ++n) {
        const MiniSxSettings model = gen.Any();
        browser += model.nfc.mode == kNfcModeBrowser ? 1 : 0;
        ASSERT_TRUE(ValidateMiniSxSettings(model).empty())
            << MessageLines(ValidateMiniSxSettings(model));
        const std::string text = MiniSxSettingsFileText(model);
        MiniSxSettings back;
        const MiniReadResult read = LoadMiniSxSettingsText(text + "\r\n", back);
        ASSERT_FALSE(read.Failed()) << read.error;
        ASSERT_TRUE(read.warnings.empty()) << MessageLines(read.warnings);
        ASSERT_EQ(back, model) << "model " << n;
        ASSERT_EQ(MiniSxSettingsFileText(back), text);
    }
    EXPECT_GT(browser, 50);
}

TEST(MiniSxSettingsFile, LinesInTheirOrderOnDisk) {
    MiniSxGen gen(7);
    MiniSxSettings model = gen.Any();
    test::TempDir dir;
    std::string message;
    ASSERT_TRUE(SaveMiniSxSettingsFile(dir.File("sx.dat"), model, message)) << message;
    std::ifstream in(dir.File("sx.dat"), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    std::vector<std::string> keys;
    for (std::size_t from = 0, end; (end = text.find("\r\n", from)) != std::string::npos;
         from = end + 2) {
        const std::string line = text.substr(from, end - from);
        keys.push_back(line.substr(0, line.find(' ')));
    }
    ASSERT_FALSE(keys.empty());
    EXPECT_EQ(text.substr(0, text.find("\r\n")), res::TextCp932(ids::kMiniSxFileHeader));
    keys.erase(keys.begin());  // the header
    const std::vector<std::string> expected = Split(
        "ver psA1 psA1-kanaID psA1-reID psA1-colorID psB1 fchg smp psA2 psA2-kanaID psA2-reID "
        "psA2-colorID psB2 que1 que2 nfc nque ndef_url sov1 snv1 sob1 snb1 sov2 sob2 lov1 lnv1 "
        "liv1 lob1 lnb1 lib1 lov2 lob2 rtcc sov1path snv1path sob1path snb1path sov2path "
        "sob2path sound_regist");
    EXPECT_EQ(keys, expected);

    MiniSxSettings back;
    const MiniReadResult read = LoadMiniSxSettingsFile(dir.File("sx.dat"), back);
    ASSERT_FALSE(read.Failed()) << read.error;
    EXPECT_EQ(back, model);
}

TEST(MiniSxSettingsFile, NdefTextOfAFileIsDecodedLikeATerminals) {
    // Lines are found by search and the first of a key wins: these come before the model's own.
    const std::string header = res::TextCp932(ids::kMiniSxFileHeader);
    const std::string model = MiniSxSettingsFileText(MiniSxGen(3).Any());
    MiniSxSettings settings;
    const MiniReadResult read =
        LoadMiniSxSettingsText("junk\r\n" + header +
                                   "\r\nnfc 2\r\nnque 1\r\nndef_url http://a/? 01\r\nfchg 2\r\n"
                                   "smp 2\r\nrtcc 1\r\n" +
                                   model + "\r\n",
                               settings);
    ASSERT_FALSE(read.Failed()) << read.error;
    EXPECT_EQ(settings.nfc, (MiniSxNfcSettings{2, 1, ""}));
    EXPECT_EQ(settings.smartphone.Choice(), SmartphoneChoice::SmartphoneSettings);
    EXPECT_TRUE(settings.clockCheck);
    EXPECT_EQ(read.warnings, std::vector<std::string>{res::TextCp932(ids::kNfcFormatUnreadable)});
}

TEST(MiniSxSettingsRead, WarningsNeverStopARead) {
    MiniSxGen gen(21);
    const MiniSxSettings model = gen.Any();
    MiniValues values;
    for (const MiniKeyValue& kv : MiniSxFileValues(model)) {
        values[kv.key] = kv.value;
    }
    values["fchg"] = "9";
    values["nfc"] = "3";
    values["rtcc"] = "7";
    values["lnv1"] = "zz";
    values["psA2"] = "9junk";
    MiniSxSettings settings;
    MiniReadResult read = ReadMiniSxSettings(values, MiniValueSource::Terminal, settings);
    ASSERT_FALSE(read.Failed()) << read.error;
    const std::vector<std::string> expected = {
        res::TextCp932(ids::kSmartphoneDetectionInvalid), res::TextCp932(ids::kNfcDetectionInvalid),
        res::TextCp932(ids::kClockCheckInvalid),          res::TextCp932(ids::kFunctionInvalid),
        res::TextCp932(ids::kLampValueInvalid),
    };
    EXPECT_EQ(read.warnings, expected);
    // Everything that was sound is taken.
    EXPECT_EQ(settings.sets[0], model.sets[0]);
    EXPECT_EQ(settings.sets[1].other, model.sets[1].other);
    EXPECT_EQ(settings.nfc, (MiniSxNfcSettings{2, 2, ""}));

    // From a file a record no page can show fails the load as a whole.
    MiniSxSettings fromFile = model;
    read = ReadMiniSxSettings(values, MiniValueSource::File, fromFile);
    EXPECT_EQ(read.error, res::TextCp932(ids::kSettingsFileInvalid));
    EXPECT_EQ(fromFile, model);

    // A failure reply in any value ends the read.
    values["psA2"] = values["psA1"];
    values["ndef_url"] = "noreply";
    read = ReadMiniSxSettings(values, MiniValueSource::Terminal, settings);
    EXPECT_EQ(read.error, res::TextCp932(ids::kReadFailed));
}

}  // namespace
}  // namespace morvik
