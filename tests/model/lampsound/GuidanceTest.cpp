#include <gtest/gtest.h>

#include "model/Guidance.h"

namespace morvik {
namespace {

TEST(Guidance, WritesTwoDigitsPerPart) {
    PeriodicGuidance g{true, 9, 30, 18, 0, 3};
    EXPECT_EQ(GuidanceTimesValue(g), "0930180003");
    EXPECT_EQ(GuidanceUseValue(g), "1");
    EXPECT_TRUE(IsValidGuidanceSchedule(g));
    g.enabled = false;
    EXPECT_EQ(GuidanceUseValue(g), "0");
    g.endMinute = 15;
    EXPECT_FALSE(IsValidGuidanceSchedule(g));
}

TEST(Guidance, ReadsBackWhatItWrites) {
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute : kGuidanceMinutes) {
            for (int interval : kGuidanceIntervals) {
                const PeriodicGuidance written{hour % 2 == 0, hour,        minute,
                                               23 - hour,     30 - minute, interval};
                PeriodicGuidance read;
                EXPECT_TRUE(ReadPeriodicGuidance(GuidanceUseValue(written),
                                                 GuidanceTimesValue(written), read)
                                .empty());
                EXPECT_EQ(read, written);
            }
        }
    }
}

TEST(Guidance, BadPartsAreReportedAndKeepThePreviousValues) {
    const PeriodicGuidance before{true, 7, 30, 8, 0, 5};
    struct Case {
        const char* pnt;
        const char* pntT;
        std::vector<int> messages;
    };
    const Case cases[] = {
        {"2", "0930180003", {183}}, {"", "0930180003", {183}},
        {"1", "2430180003", {184}},  // hour 24
        {"1", "0915180003", {184}},  // minute 15
        {"1", "0930183003", {}},     // 18:30 is a valid end
        {"1", "0930181003", {185}}, {"1", "0930180004", {186}},
        {"1", "0930180010", {186}}, {"1", "09301800", {186}},  // interval missing
        {"1", "", {184, 185, 186}}, {"x", "a930b80003", {183, 184, 185}},
        {"1", " 930180003", {184}},
    };
    for (const Case& c : cases) {
        PeriodicGuidance g = before;
        EXPECT_EQ(ReadPeriodicGuidance(c.pnt, c.pntT, g), c.messages) << c.pnt << " " << c.pntT;
        if (!c.messages.empty() && c.messages.front() == 184) {
            EXPECT_EQ(g.startHour, 7);
            EXPECT_EQ(g.startMinute, 30);
        }
        if (c.messages == std::vector<int>{186}) {
            EXPECT_EQ(g.interval, 5);
            EXPECT_EQ(g.startHour, 9);
        }
    }
    PeriodicGuidance g = before;
    ReadPeriodicGuidance("0", "0000233001", g);
    EXPECT_EQ(g, (PeriodicGuidance{false, 0, 0, 23, 30, 1}));
}

}  // namespace
}  // namespace morvik
