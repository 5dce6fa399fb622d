#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "model/Cp932.h"
#include "model/TextRules.h"
#include "support/Files.h"

namespace morvik {
namespace {

using test::Sjis;

// How a parser that knows nothing of double-byte characters (the terminal's) reads an escaped
// value: byte by byte. The transfer escape must survive that reading too.
std::string ByteWiseUnescape(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char next = s[i + 1];
            if (next == '\\' || next == 's') {
                out += next == 's' ? ' ' : '\\';
                ++i;
                continue;
            }
            if (s.substr(i, 4) == "\\r\\n") {
                out += "\r\n";
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

// Random valid texts built from the characters that make escaping hard: spaces, line breaks,
// backslashes, the letters of the escape sequences and double-byte characters whose trail
// byte is 0x5C ("ソ", "表", "―") or a letter.
std::vector<std::string> GeneratedTexts(int count) {
    const std::vector<std::string> pieces = {
        " ",        "\r\n",     "\\",       "r",        "n",       "s",        "a",
        "\\s",      "\\r\\n",   Sjis("ソ"), Sjis("表"), Sjis("―"), Sjis("ア"), Sjis("ｱ"),
        "\x83\x73", "\x83\x72", "%",        "#",        "0"};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 30);
    std::vector<std::string> texts;
    for (int n = 0; n < count; ++n) {
        std::string text;
        for (int k = length(random); k > 0; --k) {
            text += pieces[pick(random)];
        }
        texts.push_back(text);
    }
    return texts;
}

TEST(Escape, LinesAndSpaces) {
    const std::string text = "a b\r\nc";
    EXPECT_EQ(TransferEscape(text), "a\\sb\\r\\nc");
    EXPECT_EQ(CheckEscape(text), "a\\sb\\r\\nc");
    EXPECT_EQ(Unescape(TransferEscape(text)), text);
    // A lone CR or LF is no line break and stays as it is (the device text check refuses it).
    EXPECT_EQ(TransferEscape("a\rb\nc"), "a\rb\nc");
}

TEST(Escape, BackslashesAndTrailBytes) {
    EXPECT_EQ(TransferEscape("\\"), "\\\\");
    EXPECT_EQ(CheckEscape("a\\b c"), "a\\b\\sc");  // a typed backslash counts once
    EXPECT_EQ(TransferEscape(Sjis("ソ")), "\x83\x5C\x5C");
    EXPECT_EQ(TransferEscape(Sjis("表\\")), "\x95\x5C\x5C\x5C\x5C");
    EXPECT_EQ(CheckEscape(Sjis("ソ ")), "\x83\x5C\\s");
    for (const std::string& text : {std::string("\\"), Sjis("ソ"), Sjis("表\\ソ")}) {
        EXPECT_EQ(Unescape(TransferEscape(text)), text);
    }
}

TEST(Unescape, PairsAndTrailBytes) {
    EXPECT_EQ(Unescape("a\\\\sb"), "a\\sb");  // the pair protects the s
    EXPECT_EQ(Unescape("\\\\r\\n"), "\\r\\n");
    EXPECT_EQ(Unescape("\\\\\\s"), "\\ ");
    // The escaped "ソs" keeps its s: the added backslash belongs to the trail byte.
    EXPECT_EQ(Unescape("\x83\x5C\x5Cs"), Sjis("ソs"));
    EXPECT_EQ(Unescape("\x83\x5C\x5C\\s"), Sjis("ソ "));
    // Unknown sequences and a backslash at the end stand for themselves.
    EXPECT_EQ(Unescape("a\\x\\"), "a\\x\\");
    EXPECT_EQ(Unescape(""), "");
}

TEST(Escape, GeneratedTextsSurviveTheRoundTrip) {
    for (const std::string& text : GeneratedTexts(3000)) {
        const std::string escaped = TransferEscape(text);
        ASSERT_EQ(Unescape(escaped), text) << escaped;
        ASSERT_EQ(ByteWiseUnescape(escaped), text) << escaped;
        // One word on the wire: no raw space or line break survives.
        ASSERT_EQ(escaped.find_first_of(" \r\n"), std::string::npos) << escaped;
        ASSERT_TRUE(IsDeviceText(escaped)) << escaped;
        ASSERT_TRUE(IsDeviceText(CheckEscape(text)));
    }
}

TEST(TakeEscapedCharacters, CutsGeneratedFieldsBackOut) {
    // A record is its escaped fields back to back; the lengths count unescaped bytes.
    const std::vector<std::string> texts = GeneratedTexts(600);
    for (std::size_t n = 0; n + 3 <= texts.size(); n += 3) {
        std::string record = "0";
        for (std::size_t f = n; f < n + 3; ++f) {
            record += TransferEscape(texts[f]);
        }
        std::size_t position = 1;
        for (std::size_t f = n; f < n + 3; ++f) {
            const TakenCharacters taken = TakeEscapedCharacters(record, position, texts[f].size());
            ASSERT_TRUE(taken.complete) << record;
            ASSERT_EQ(Unescape(taken.piece), texts[f]) << record;
            position += taken.rawCount;
        }
        EXPECT_EQ(position, record.size());
    }
}

TEST(TakeEscapedCharacters, ShortOrDamagedRecordsStopAtTheirEnd) {
    TakenCharacters taken = TakeEscapedCharacters("abc", 2, 2);
    EXPECT_TRUE(taken.piece.empty());
    EXPECT_EQ(taken.rawCount, 0u);
    EXPECT_FALSE(taken.complete);
    EXPECT_FALSE(TakeEscapedCharacters("", 0, 0).complete);

    // Four bytes hold only three characters: the cut ends at the text's end.
    taken = TakeEscapedCharacters("a\\sb", 0, 4);
    EXPECT_EQ(taken.piece, "a\\sb");
    EXPECT_EQ(taken.rawCount, 4u);
    EXPECT_FALSE(taken.complete);

    taken = TakeEscapedCharacters("ab\\", 1, 2);  // backslash as the last byte
    EXPECT_EQ(taken.piece, "b\\");
    EXPECT_TRUE(taken.complete);
    EXPECT_EQ(TakeEscapedCharacters("abc", 3, 0).rawCount, 0u);
    EXPECT_TRUE(TakeEscapedCharacters("abc", 3, 0).complete);
}

TEST(ValueBetweenMarkers, RepliesAndFiles) {
    const std::string reply = "que1 1\r\nrslt 0\r\n";
    EXPECT_EQ(ValueBetweenMarkers(reply, "rslt ", "\r\n"), "0");
    EXPECT_EQ(ValueBetweenMarkers(reply, "que1 ", "\r\n"), "1");
    EXPECT_EQ(ValueBetweenMarkers(reply, "pow ", "\r\n"), "");
    EXPECT_EQ(ValueBetweenMarkers("rslt 0", "rslt ", "\r\n"), "");  // no end marker
    EXPECT_EQ(ValueBetweenMarkers("ab", "a", "b"), "");             // touching markers
    EXPECT_EQ(ValueBetweenMarkers("", "", ""), "");
    // The trail byte of "ソ" is not a backslash marker.
    EXPECT_EQ(ValueBetweenMarkers(Sjis("ソ") + "ab\\cd\\", "\\", "\\"), "cd");
    EXPECT_EQ(FindCharacterWise(Sjis("表") + "\\", "\\"), 2u);
    EXPECT_EQ(FindCharacterWise(Sjis("表"), "\\"), std::string::npos);
}

TEST(TrimRight, RunsOfCharactersOnly) {
    EXPECT_EQ(TrimRight("5\r\n%%", "%"), "5\r\n");
    EXPECT_EQ(TrimRight(TrimRight("5\r\n%%", "%"), "\r\n"), "5");
    EXPECT_EQ(TrimRight("%5%", "%"), "%5");
    EXPECT_EQ(TrimRight("%%", "%"), "");
    EXPECT_EQ(TrimRight("", "%"), "");
    EXPECT_EQ(TrimRight(Sjis("ソ"), "\\"), Sjis("ソ"));  // a trail byte is not trimmed
    EXPECT_EQ(TrimRight(Sjis("aソ　"), Sjis("　")), Sjis("aソ"));
}

}  // namespace
}  // namespace morvik
