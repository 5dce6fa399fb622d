#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "model/Cp932.h"
#include "model/TextRules.h"
#include "support/Files.h"

namespace morvik {
namespace {

using test::Sjis;

TEST(DeviceText, AcceptsKatakanaOfBothWidthsAndEscapedBreaks) {
    EXPECT_TRUE(IsDeviceText(""));
    EXPECT_TRUE(IsDeviceText(Sjis("ｱｲｳ")));
    EXPECT_TRUE(IsDeviceText(Sjis("アイウ")));
    EXPECT_TRUE(IsDeviceText(Sjis("ソ表示")));  // trail bytes 0x5C
    EXPECT_TRUE(IsDeviceText(CheckEscape("a b\r\nc")));
}

TEST(DeviceText, RejectsControlBytesAndBrokenDoubleByteCharacters) {
    EXPECT_FALSE(IsDeviceText("ab\x83"));    // lone lead byte at the end
    EXPECT_FALSE(IsDeviceText("\x83 ab"));   // lead byte before a space
    EXPECT_FALSE(IsDeviceText("\x83\x7F"));  // 0x7F is no trail byte
    EXPECT_FALSE(IsDeviceText("a\tb"));
    EXPECT_FALSE(IsDeviceText("a\r\nb"));  // a raw line break must be escaped first
    EXPECT_FALSE(IsDeviceText("a\rb"));
    EXPECT_FALSE(IsDeviceText("\x7F"));
    EXPECT_FALSE(IsDeviceText("\x80"));
    EXPECT_FALSE(IsDeviceText("\xA0"));
    EXPECT_FALSE(IsDeviceText("\xFD"));
    // Well-formed pairs that code page 932 gives no character: shown as a replacement mark, they
    // would go back out as "?" (or reach the terminal as bytes nobody can read).
    EXPECT_FALSE(IsDeviceText("\x85\x40"));
    EXPECT_FALSE(IsDeviceText("a\xEB\x40"));
}

TEST(CharacterClasses, UrlCharacters) {
    EXPECT_TRUE(IsUrlText(""));
    EXPECT_TRUE(IsUrlText("https://www.example.co.jp/shop/page.html?id=001&mode=2"));
    EXPECT_TRUE(IsUrlText("\"_~"));
    for (std::string bad : {"a b", "a!", "a\\b", "a^b", "[x]", "a\x7F", "a\x80", "\t"}) {
        EXPECT_FALSE(IsUrlText(bad)) << bad;
    }
    EXPECT_FALSE(IsUrlText(Sjis("http://例")));
}

TEST(CharacterClasses, PrintableAsciiAndAlphanumeric) {
    EXPECT_TRUE(IsPrintableAscii(" ~!\\"));
    EXPECT_FALSE(IsPrintableAscii("a\x7F"));
    EXPECT_FALSE(IsPrintableAscii(Sjis("ｱ")));
    EXPECT_TRUE(IsAlphanumeric(""));
    EXPECT_TRUE(IsAlphanumeric("abcXYZ019"));
    EXPECT_FALSE(IsAlphanumeric("ab-1"));
    EXPECT_FALSE(IsAlphanumeric("ab 1"));
    EXPECT_FALSE(IsAlphanumeric(Sjis("Ａ")));  // full-width letter
}

TEST(CharacterClasses, Number) {
    EXPECT_TRUE(IsNumber("-"));
    EXPECT_TRUE(IsNumber("1.2.3"));
    EXPECT_TRUE(IsNumber("-42"));
    EXPECT_FALSE(IsNumber(""));
    EXPECT_FALSE(IsNumber("+1"));
    EXPECT_FALSE(IsNumber("1-2"));
    EXPECT_FALSE(IsNumber("--1"));
    EXPECT_FALSE(IsNumber("1 "));
}

TEST(Hexadecimal, CheckAndValue) {
    EXPECT_TRUE(IsHexadecimal("0x1F"));
    EXPECT_TRUE(IsHexadecimal("1f"));
    EXPECT_EQ(HexValue("0x1F"), 31u);
    EXPECT_EQ(HexValue("1f"), 31u);
    EXPECT_EQ(HexValue("0XaB"), 0xABu);
    EXPECT_EQ(HexValue("0a"), 10u);  // a record length field
    for (std::string bad : {"", "0x", "0X", "0xG1", "1g", "1F 2", "-1", " 1"}) {
        EXPECT_FALSE(IsHexadecimal(bad)) << bad;
        EXPECT_EQ(HexValue(bad), 0u) << bad;
    }
    // After a prefix only the digits up to the first space count, for the check and the value.
    EXPECT_TRUE(IsHexadecimal("0x1F icon"));
    EXPECT_EQ(HexValue("0x1F icon"), 31u);
    EXPECT_FALSE(IsHexadecimal("0x 1F"));
    // Too many digits saturate rather than wrap around to a small plausible value.
    EXPECT_EQ(HexValue("1" + std::string(16, '0')), UINT64_MAX);
    EXPECT_EQ(HexValue(std::string(16, 'F')), UINT64_MAX);
}

TEST(Decimal, ReadsLikeTheTerminal) {
    EXPECT_EQ(ParseDecimal("007"), 7);
    EXPECT_EQ(ParseDecimal("  -12x"), -12);
    EXPECT_EQ(ParseDecimal("+5"), 5);
    EXPECT_EQ(ParseDecimal("abc"), 0);
    EXPECT_EQ(ParseDecimal(""), 0);
    EXPECT_EQ(ParseDecimal("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ParseDecimal("-99999999999999999999"), INT32_MIN);
}

TEST(QueryFlags, EditorExamples) {
    EXPECT_TRUE(CheckQueryFlags(0, 3));
    EXPECT_TRUE(CheckQueryFlags(1, 3));
    EXPECT_TRUE(CheckQueryFlags(0, 9));
    EXPECT_FALSE(CheckQueryFlags(1, 9));
    for (int mode : {0, 1}) {
        EXPECT_FALSE(CheckQueryFlags(mode, 6));
        EXPECT_FALSE(CheckQueryFlags(mode, 16));
        EXPECT_FALSE(CheckQueryFlags(mode, -1));
        EXPECT_FALSE(CheckQueryFlags(mode, -4));  // would claim every query of both groups
    }
}

TEST(QueryFlags, AcceptsExactlyWhatTheEditorsCanWrite) {
    // Slim 機能2-4 write one of these; mode 1 must accept them and nothing else.
    const std::set<int> slimWritten = {0, 1, 3, 4, 5, 7, 12, 13, 15};
    // Mode 0 refuses only a first query that is encrypted but not appended.
    const std::set<int> miniReadable = {0, 1, 3, 4, 5, 7, 8, 9, 11, 12, 13, 15};
    for (int value = -2; value <= 20; ++value) {
        EXPECT_EQ(CheckQueryFlags(1, value), slimWritten.count(value) == 1) << value;
        EXPECT_EQ(CheckQueryFlags(0, value), miniReadable.count(value) == 1) << value;
    }
}

}  // namespace
}  // namespace morvik
