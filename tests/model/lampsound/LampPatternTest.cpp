#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/LampPattern.h"

namespace morvik {
namespace {

std::string Encode(const std::string& pattern, bool idle = false) {
    auto code = EncodeLampPattern(pattern, idle);
    EXPECT_TRUE(code.has_value()) << pattern;
    return code.value_or("");
}

TEST(LampPattern, EncodesTheDocumentedExamples) {
    EXPECT_EQ(Encode("822222000002222200000"), "1411111000001111100000");
    EXPECT_EQ(Encode("11111111111"), "0aaaaaaaaaaa0000000000");
    EXPECT_EQ(Encode("10000100000000", true), "8d0000a000000000000000");
    EXPECT_EQ(Encode(""), std::string(22, '0'));
    EXPECT_EQ(Encode("", true), std::string(22, '0'));
    // Every colour digit with the indicator only and with all lamps.
    EXPECT_EQ(Encode("101234567"), "080a9cbedf000000000000");
    EXPECT_EQ(Encode("801234567"), "0802143657000000000000");
}

TEST(LampPattern, DecodesTheDocumentedExamples) {
    EXPECT_EQ(DecodeLampCode("0A99999999990000000000"), "12222222222");
    EXPECT_EQ(DecodeLampCode("0A11111111110000000000"), "82222222222");
    EXPECT_EQ(DecodeLampCode(std::string(22, '0')), "");
    // Steps that are all off give the empty pattern whatever the count says.
    EXPECT_EQ(DecodeLampCode("9400000000000000000000"), "");
    // The rainbow preset's idle lamp: six steps with all lamps, idle bit ignored.
    EXPECT_EQ(DecodeLampCode("8626451300000000000000"), "8153624");
    // When the first step is off, the first lit step tells the lamp count.
    EXPECT_EQ(DecodeLampCode("030a000000000000000000"), "1010");
    EXPECT_EQ(DecodeLampCode("0300200000000000000000"), "8001");
}

TEST(LampPattern, RefusesCodesThePageCannotShow) {
    EXPECT_FALSE(DecodeLampCode(std::string(21, '0')).has_value());
    EXPECT_FALSE(DecodeLampCode(std::string(23, '0')).has_value());
    EXPECT_FALSE(DecodeLampCode("").has_value());
    EXPECT_FALSE(DecodeLampCode("1511111111111111111111").has_value());  // 21 steps
    EXPECT_FALSE(DecodeLampCode("9511111111111111111111").has_value());  // idle, 21 steps
    EXPECT_FALSE(DecodeLampCode("7f11111111111111111111").has_value());
    EXPECT_TRUE(DecodeLampCode("1411111111111111111111").has_value());  // 20 steps
    EXPECT_FALSE(DecodeLampCode("g100000000000000000000").has_value());
    EXPECT_FALSE(DecodeLampCode("0311g00000000000000000").has_value());
    EXPECT_FALSE(DecodeLampCode("03 1100000000000000000").has_value());
}

TEST(LampPattern, UserPatternCheck) {
    for (const char* good : {"", "8", "1", "10", "87654321076543210765", "812345670123456701234"}) {
        EXPECT_TRUE(IsValidUserLampPattern(good)) << good;
    }
    for (const char* bad :
         {"9123", "1189", "0", "2", "a1", "1-1", " 1", "1 ", "8123456701234567012345"}) {
        EXPECT_FALSE(IsValidUserLampPattern(bad)) << bad;
        EXPECT_FALSE(EncodeLampPattern(bad, false).has_value()) << bad;
    }
}

// What decoding an encoded pattern must give: the pattern itself, except that a pattern in which
// no step lights cannot carry its lamp count and comes back empty.
std::string Expected(const std::string& pattern) {
    return pattern.find_first_not_of('0', 1) == std::string::npos ? std::string() : pattern;
}

void CheckRoundTrip(const std::string& pattern) {
    for (bool idle : {false, true}) {
        const auto code = EncodeLampPattern(pattern, idle);
        ASSERT_TRUE(code.has_value()) << pattern;
        ASSERT_EQ(code->size(), kLampCodeLength);
        ASSERT_EQ(code->find_first_not_of("0123456789abcdef"), std::string::npos) << *code;
        if (!pattern.empty()) {
            const int head = std::stoi(code->substr(0, 2), nullptr, 16);
            ASSERT_EQ(head & 0x80, idle ? 0x80 : 0) << pattern;
            ASSERT_EQ(head & 0x7F, static_cast<int>(pattern.size()) - 1) << pattern;
        }
        const auto back = DecodeLampCode(*code);
        ASSERT_TRUE(back.has_value()) << *code;
        ASSERT_EQ(*back, Expected(pattern)) << *code;
    }
}

TEST(LampPattern, EveryShortPatternSurvivesARoundTrip) {
    // Every valid pattern of up to five steps (75 000 of them), exhaustively.
    CheckRoundTrip("");
    for (int steps = 0; steps <= 5; ++steps) {
        int combinations = 1;
        for (int i = 0; i < steps; ++i) {
            combinations *= 8;
        }
        for (char lamps : {'1', '8'}) {
            for (int n = 0; n < combinations; ++n) {
                std::string pattern(1, lamps);
                for (int i = 0, rest = n; i < steps; ++i, rest /= 8) {
                    pattern += static_cast<char>('0' + rest % 8);
                }
                CheckRoundTrip(pattern);
            }
        }
    }
}

TEST(LampPattern, EveryDigitAtEveryPositionOfLongPatternsSurvivesARoundTrip) {
    for (char lamps : {'1', '8'}) {
        for (int steps = 6; steps <= kLampMaxSteps; ++steps) {
            for (int position = 1; position <= steps; ++position) {
                for (char digit = '0'; digit <= '7'; ++digit) {
                    std::string pattern(static_cast<std::size_t>(steps) + 1, '0');
                    pattern[0] = lamps;
                    pattern[static_cast<std::size_t>(position)] = digit;
                    CheckRoundTrip(pattern);
                    pattern.back() = '5';
                    CheckRoundTrip(pattern);
                }
            }
        }
    }
    std::mt19937 random(20240601);
    for (int n = 0; n < 20000; ++n) {
        const int steps = 6 + static_cast<int>(random() % 15);
        std::string pattern(1, random() % 2 ? '1' : '8');
        for (int i = 0; i < steps; ++i) {
            pattern += static_cast<char>('0' + random() % 8);
        }
        CheckRoundTrip(pattern);
    }
}

TEST(LampPattern, DecodingAcceptsUpperCaseAndReencodesToTheSameSteps) {
    const auto pattern = DecodeLampCode("14AA00AA00AA00AA00AA00");
    ASSERT_TRUE(pattern.has_value());
    EXPECT_EQ(*pattern, "111001100110011001100");
    EXPECT_EQ(EncodeLampPattern(*pattern, false), "14aa00aa00aa00aa00aa00");
}

}  // namespace
}  // namespace morvik
