// A MiniSx settings file without the lines of nfc, fchg, smp or rtcc (an older file, one edited
// by hand) loads: each missing value counts as 0, quietly, and the file can be written.

#include <gtest/gtest.h>

#include <string>

#include "files/MiniFamilySettingsFile.h"
#include "model/minisx/MiniSxGen.h"

namespace morvik {
namespace {

std::string WithoutLine(std::string text, const std::string& key) {
    const std::size_t at = text.find("\r\n" + key + " ");
    if (at != std::string::npos) {
        text.erase(at, text.find("\r\n", at + 2) - at);
    }
    return text;
}

struct MissingCase {
    const char* name;
    std::vector<std::string> keys;
};

void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.name;
}

class MiniSxMissingLines : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MiniSxMissingLines, LoadWithoutMessages) {
    test::MiniSxGen gen(41);
    MiniSxSettings model = gen.Any();
    model.nfc = MiniSxNfcSettings{kNfcModeBrowser, kNfcQueryPlain, "http://a.example.jp/?"};
    model.smartphone = MiniSxSmartphoneDetection{2, 2};
    model.clockCheck = true;
    std::string text = MiniSxSettingsFileText(model);
    for (const std::string& key : GetParam().keys) {
        text = WithoutLine(text, key);
        ASSERT_EQ(text.find("\r\n" + key + " "), std::string::npos);
    }
    MiniSxSettings back;
    const MiniReadResult read = LoadMiniSxSettingsText(text, back);
    ASSERT_FALSE(read.Failed()) << read.error;
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_TRUE(ValidateMiniSxSettings(back).empty());
    MiniSxSettings expected = model;
    for (const std::string& key : GetParam().keys) {
        if (key == "nfc") {
            expected.nfc.mode = kNfcModeNotDetected;
        } else if (key == "fchg" || key == "smp") {
            expected.smartphone =
                key == "fchg" ? MiniSxSmartphoneDetection{0, 2} : MiniSxSmartphoneDetection{0, 1};
        } else if (key == "rtcc") {
            expected.clockCheck = false;
        }
    }
    EXPECT_EQ(back.nfc, expected.nfc);
    EXPECT_EQ(back.smartphone, expected.smartphone);
    EXPECT_EQ(back.clockCheck, expected.clockCheck);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MiniSxMissingLines,
    ::testing::Values(MissingCase{"Nfc", {"nfc"}}, MissingCase{"Fchg", {"fchg"}},
                      MissingCase{"Smp", {"smp"}}, MissingCase{"Rtcc", {"rtcc"}}),
    [](const ::testing::TestParamInfo<MissingCase>& info) { return info.param.name; });

}  // namespace
}  // namespace morvik
