#include <gtest/gtest.h>

#include "model/Cp932.h"

namespace morvik {
namespace {

TEST(Cp932, RoundTripKeepsBackslashAndNecExtensions) {
    // "ソ" is 0x83 0x5C: its trail byte is a backslash, and 0x5C alone must stay a backslash
    // (glibc's SHIFT_JIS table would make it a yen sign). "①" exists only in code page 932.
    const std::string utf8 = "ソ\\①ﾓﾙｳﾞｨｸ";
    auto cp932 = Utf8ToCp932(utf8);
    ASSERT_TRUE(cp932.has_value());
    EXPECT_EQ(cp932->substr(0, 3), std::string("\x83\x5C\x5C"));
    EXPECT_EQ(Cp932ToUtf8(*cp932), utf8);
}

TEST(Cp932, UnencodableAndDamagedInput) {
    EXPECT_FALSE(Utf8ToCp932("emoji \xF0\x9F\x98\x80").has_value());
    EXPECT_EQ(Utf8ToCp932Lossy("a\xF0\x9F\x98\x80"
                               "b"),
              "a?b");
    // A lone lead byte at the end and an undefined byte are shown as replacement characters.
    EXPECT_EQ(Cp932ToUtf8("a\x83"), "a\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8("\xA0x"), "\xEF\xBF\xBDx");
}

}  // namespace
}  // namespace morvik
