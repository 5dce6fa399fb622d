#include <gtest/gtest.h>

#include <string>

#include "model/Cp932.h"
#include "model/LampChoices.h"
#include "model/LampPattern.h"
#include "model/LampPresets.h"
#include "model/LampSettings.h"
#include "res/Strings.h"

namespace morvik {
namespace {

const UserLampPatterns kUser = {"8123", "", "17"};
constexpr int kRed = 0;
constexpr int kWhite = 6;

TEST(LampChoices, FixedPatternsTakeTheChosenColour) {
    EXPECT_EQ(BuildLampPattern(kRed, LampPatternEntry::Fixed2, "", kUser), "811001100110011001100");
    EXPECT_EQ(BuildLampPattern(kWhite, LampPatternEntry::Fixed2, "", kUser),
              "877007700770077007700");
    EXPECT_EQ(BuildLampPattern(1, LampPatternEntry::Fixed1, "", kUser), "122002200220022002200");
    EXPECT_EQ(BuildLampPattern(2, LampPatternEntry::Fixed3, "", kUser), "10000300000000");
    EXPECT_EQ(BuildLampPattern(3, LampPatternEntry::Fixed4, "", kUser), "80000400000000");
    EXPECT_EQ(BuildLampPattern(4, LampPatternEntry::Fixed5, "", kUser), "15555555555");
    EXPECT_EQ(BuildLampPattern(5, LampPatternEntry::Fixed6, "", kUser), "86666666666");
    // No colour selected: the fixed pattern still comes out playable.
    EXPECT_EQ(BuildLampPattern(-1, LampPatternEntry::Fixed5, "", kUser), "11111111111");
    EXPECT_EQ(BuildLampPattern(7, LampPatternEntry::Fixed5, "", kUser), "11111111111");
}

TEST(LampChoices, OtherEntriesIgnoreTheColour) {
    EXPECT_EQ(BuildLampPattern(kWhite, LampPatternEntry::Unchanged, "812", kUser), "812");
    EXPECT_EQ(BuildLampPattern(kWhite, LampPatternEntry::User1, "812", kUser), "8123");
    EXPECT_EQ(BuildLampPattern(kWhite, LampPatternEntry::User2, "812", kUser), "");
    EXPECT_EQ(BuildLampPattern(kWhite, LampPatternEntry::User3, "812", kUser), "17");
    EXPECT_EQ(BuildLampPattern(kWhite, LampPatternEntry::Off, "812", kUser), "");
    EXPECT_FALSE(IsFixedLampPattern(LampPatternEntry::Off));
    EXPECT_FALSE(IsFixedLampPattern(LampPatternEntry::User1));
    EXPECT_TRUE(IsFixedLampPattern(LampPatternEntry::Fixed6));
}

TEST(LampChoices, IdleListLacksTheLastTwoFixedPatterns) {
    EXPECT_EQ(LampPatternListSize(false), 11);
    EXPECT_EQ(LampPatternListSize(true), 9);
    EXPECT_EQ(LampPatternAt(5, false), LampPatternEntry::Fixed5);
    EXPECT_EQ(LampPatternAt(5, true), LampPatternEntry::User1);
    EXPECT_EQ(LampPatternAt(8, true), LampPatternEntry::Off);
    EXPECT_EQ(LampPatternAt(9, true), LampPatternEntry::Unchanged);
    EXPECT_EQ(LampPatternAt(-1, false), LampPatternEntry::Unchanged);
    EXPECT_EQ(LampPatternListIndex(LampPatternEntry::Fixed5, true), -1);
    EXPECT_EQ(LampPatternListIndex(LampPatternEntry::Off, false), 10);
    // Position 7 of the idle list is user pattern 3, of the other list user pattern 1.
    EXPECT_EQ(BuildLampPatternFromLists(0, 7, true, "", kUser), "17");
    EXPECT_EQ(BuildLampPatternFromLists(0, 7, false, "", kUser), "8123");
    EXPECT_EQ(res::Text(LampPatternTextId(LampPatternEntry::Fixed1, true)),
              "固定1(5秒間1つのみ点滅)");
    EXPECT_EQ(res::Text(LampPatternTextId(LampPatternEntry::Fixed1, false)),
              "固定1(2秒間1つのみ点滅)");
    EXPECT_EQ(res::Text(LampPatternTextId(LampPatternEntry::Off, true)), "点灯しない");
    EXPECT_EQ(res::Text(LampPatternTextId(LampPatternEntry::User3, true)), "ユーザ設定パターン3");
    EXPECT_EQ(res::Text(kLampColourTextIds[4]), "黄色");
}

MiniLamps Codes(const std::string& set1, const std::string& set2, const std::string& guidance) {
    MiniLamps codes;
    codes.sets[0].fill(set1);
    codes.sets[1].fill(set2);
    codes.guidance.fill(guidance);
    return codes;
}

const std::string kGood = "0A99999999990000000000";
const std::string kBad = "1511111111111111111111";

TEST(LampSettings, OnlyBadRowsAreEmptiedAndNamed) {
    MiniLamps patterns = Codes("old1", "old2", "old3");
    MiniLamps codes = Codes(kGood, kGood, kGood);
    codes.sets[0][5] = kBad;
    codes.guidance[3] = "short";
    const std::string warning = DecodeMiniLamps(codes, patterns);
    EXPECT_EQ(Cp932ToUtf8(warning),
              "設定1(電池利用時 待機), 定期誘導設定(設定2 電池利用時)のランプ設定に不正な設定値が"
              "ありました。ランプ設定画面を確認し、再度設定して下さい。");
    // The good lamps of a group keep their codes: a write sends them back unchanged.
    EXPECT_EQ(patterns.sets[0][0], "12222222222");
    EXPECT_EQ(patterns.sets[0][4], "12222222222");
    EXPECT_EQ(patterns.sets[0][5], "");
    EXPECT_EQ(patterns.sets[1][0], "12222222222");
    EXPECT_EQ(patterns.guidance[0], "12222222222");
    EXPECT_EQ(patterns.guidance[3], "");

    patterns = Codes("", "", "");
    EXPECT_EQ(DecodeMiniLamps(Codes(kGood, kGood, kGood), patterns), "");
    EXPECT_EQ(patterns, Codes("12222222222", "12222222222", "12222222222"));

    EXPECT_TRUE(
        Cp932ToUtf8(DecodeMiniLamps(Codes(kGood, "", kGood), patterns))
            .starts_with("設定2(ACアダプタ/モルヴィク・ミニ設定ケーブル利用時 成功), 設定2("));
}

TEST(LampSettings, EncodesIdleRowsWithLongSteps) {
    MiniLamps patterns = Codes("81", "81", "81");
    const auto codes = EncodeMiniLamps(patterns);
    ASSERT_TRUE(codes.has_value());
    for (std::size_t set = 0; set < 2; ++set) {
        for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
            const bool idle = IsIdleLampKey(res::TextCp932(kMiniSetLampKeyIds[set][row]));
            EXPECT_EQ(idle, row == 2 || row == 5);
            EXPECT_EQ(codes->sets[set][row].substr(0, 3), idle ? "812" : "012");
        }
    }
    for (const std::string& code : codes->guidance) {
        EXPECT_EQ(code.substr(0, 3), "012");
    }
    patterns.guidance[2] = "9";  // a hand-edited user pattern
    EXPECT_FALSE(EncodeMiniLamps(patterns).has_value());
}

TEST(LampSettings, MiniSxLampsEmptyOnlyTheirBadRow) {
    MiniSxLamps patterns;
    patterns.fill("old");
    MiniSxLamps codes;
    codes.fill(kGood);
    codes[7] = kBad;
    EXPECT_EQ(Cp932ToUtf8(DecodeMiniSxLamps(codes, patterns)),
              "ランプ設定に不正な設定値がありました。ランプ設定画面を確認し、再度設定して下さい。");
    EXPECT_EQ(patterns[0], "12222222222");
    EXPECT_EQ(patterns[7], "");
    codes[7] = kGood;
    EXPECT_EQ(DecodeMiniSxLamps(codes, patterns), "");
    EXPECT_EQ(patterns[7], "12222222222");

    patterns.fill("13");
    const auto encoded = EncodeMiniSxLamps(patterns);
    ASSERT_TRUE(encoded.has_value());
    EXPECT_EQ((*encoded)[2].substr(0, 3), "81c");  // liv1
    EXPECT_EQ((*encoded)[5].substr(0, 3), "81c");  // lib1
    EXPECT_EQ((*encoded)[6].substr(0, 3), "01c");  // lov2
}

TEST(LampPresets, MiniPresetsWriteBothSetsAndOnlyOffTouchesGuidance) {
    EXPECT_TRUE(MiniPresetLampValues(LampPreset::Unchanged).empty());
    const auto blue = MiniPresetLampValues(LampPreset::Blue);
    ASSERT_EQ(blue.size(), 12u);
    const char* order[] = {"lov1", "lnv1", "liv1", "lob1", "lnb1", "lib1",
                           "lov2", "lnv2", "liv2", "lob2", "lnb2", "lib2"};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(blue[i].first, order[i]);
        EXPECT_EQ(blue[i].second, blue[i % 6].second);
        // Every preset code is one the lamp page can show.
        EXPECT_TRUE(DecodeLampCode(blue[i].second).has_value()) << blue[i].second;
    }
    EXPECT_EQ(blue[0].second, "0A99999999990000000000");
    EXPECT_EQ(blue[5].second, "8D00001000000000000000");
    EXPECT_EQ(MiniPresetLampValues(LampPreset::Rainbow)[2].second, "86AECD9B00000000000000");
    EXPECT_EQ(MiniPresetLampValues(LampPreset::Green)[3].second, "0A44444444440000000000");

    const auto off = MiniPresetLampValues(LampPreset::Off);
    ASSERT_EQ(off.size(), 16u);
    const char* guidance[] = {"lpv1", "lpv2", "lpb1", "lpb2"};
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(off[i].second, std::string(22, '0'));
        if (i >= 12) {
            EXPECT_EQ(off[i].first, guidance[i - 12]);
        }
    }
    EXPECT_EQ(LampPresetAt(3), LampPreset::Rainbow);
    EXPECT_EQ(LampPresetAt(5), LampPreset::Unchanged);
}

TEST(LampPresets, MiniSxKelTouchLampsTakeTheSuccessCodes) {
    const auto green = MiniSxPresetLampValues(LampPreset::Green);
    ASSERT_EQ(green.size(), 8u);
    EXPECT_EQ(green[6].first, "lov2");
    EXPECT_EQ(green[6].second, "0ACCCCCCCCCC0000000000");
    EXPECT_EQ(green[7].first, "lob2");
    EXPECT_EQ(green[7].second, "0A44444444440000000000");
    EXPECT_EQ(MiniSxPresetLampValues(LampPreset::Off).size(), 8u);
    EXPECT_TRUE(MiniSxPresetLampValues(LampPreset::Unchanged).empty());
}

}  // namespace
}  // namespace morvik
