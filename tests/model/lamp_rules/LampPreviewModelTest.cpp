// The preview's timeline and a lamp row's rules, without widgets.

#include <gtest/gtest.h>

#include "model/LampRowState.h"
#include "model/LampTimeline.h"

namespace morvik {
namespace {

TEST(LampTimeline, AllLampsBlinkInOrdinarySteps) {
    const LampTimeline t = MakeLampTimeline("811001100110011001100", false);
    EXPECT_EQ(t.litLamps, 8);
    EXPECT_EQ(t.stepMs, 100);
    EXPECT_EQ(t.Length(), 20);
    EXPECT_EQ(LampDigitAt(t, 7, 0), 1);
    EXPECT_EQ(LampDigitAt(t, 7, 2), 0);
    EXPECT_EQ(LampDigitAt(t, 0, 4), 1);
    // The preview repeats the pattern: step 20 is step 0 again, step 22 is step 2.
    EXPECT_EQ(LampDigitAt(t, 3, 20), 1);
    EXPECT_EQ(LampDigitAt(t, 3, 22), 0);
}

TEST(LampTimeline, IdlePatternLightsOnlyTheIndicatorInLongSteps) {
    const LampTimeline t = MakeLampTimeline("10000600000000", true);
    EXPECT_EQ(t.litLamps, 1);
    EXPECT_EQ(t.stepMs, 250);
    EXPECT_EQ(t.Length(), 13);
    EXPECT_EQ(LampDigitAt(t, 0, 4), 6);
    EXPECT_EQ(LampDigitAt(t, 1, 4), 0);
    EXPECT_EQ(LampDigitAt(t, 0, 3), 0);
    EXPECT_EQ(LampDigitAt(t, 0, 13 + 4), 6);
}

TEST(LampTimeline, EmptyOrMalformedPatternsStayDark) {
    for (const char* pattern : {"", "8", "9123", "1189"}) {
        const LampTimeline t = MakeLampTimeline(pattern, false);
        EXPECT_EQ(t.Length(), 0) << pattern;
        EXPECT_EQ(LampDigitAt(t, 0, 3), 0) << pattern;
    }
}

TEST(LampRowState, KeepGoesBackToTheOpeningPatternAndUserPatternsFollowRecompute) {
    UserLampPatterns users = {"8123", "", ""};
    // An idle row: its list has no Fixed5/Fixed6, so position 5 is ユーザ設定パターン1.
    LampRowState row(true, "8777", LampRowChoice{0, 0});
    EXPECT_EQ(row.Pattern(), "8777");
    EXPECT_FALSE(row.ColourEnabled());

    row.Select(LampRowChoice{6, 2}, users);  // 固定2, 白
    EXPECT_EQ(row.Pattern(), "877007700770077007700");
    EXPECT_TRUE(row.ColourEnabled());
    row.Select(LampRowChoice{6, 0}, users);  // 変更しない
    EXPECT_EQ(row.Pattern(), "8777");

    row.Select(LampRowChoice{6, 5}, users);
    EXPECT_EQ(row.Pattern(), "8123");
    EXPECT_FALSE(row.ColourEnabled());
    users[0] = "1456";
    EXPECT_EQ(row.Pattern(), "8123");
    row.Recompute(users);
    EXPECT_EQ(row.Pattern(), "1456");
}

}  // namespace
}  // namespace morvik
