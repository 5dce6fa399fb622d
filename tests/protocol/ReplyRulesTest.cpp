// The rules of replies that need no terminal: outcome classification, parameter names and the
// confirmation of written values.

#include <gtest/gtest.h>

#include "model/Cp932.h"
#include "protocol/ReplyCheck.h"
#include "protocol/ReplyText.h"
#include "protocol/WriteVerification.h"

namespace morvik {
namespace {

TEST(ReplyCheck, ClassifiesByTheWordTheReplyBeginsWith) {
    EXPECT_EQ(ReplyCheck("5\r\n"), kReplyOk);
    EXPECT_EQ(ReplyCheck(""), kReplyOk);
    EXPECT_EQ(ReplyCheck("error\r\n%"), kReplyError);
    EXPECT_EQ(ReplyCheck("noreply"), kReplyNoReply);
    EXPECT_EQ(ReplyCheck("csumerror"), kReplyChecksumError);
    // A value that merely contains a failure word is a success.
    EXPECT_EQ(ReplyCheck("http://x/error\r\n"), kReplyOk);
    EXPECT_EQ(ReplyCheck(" error"), kReplyOk);
}

TEST(ReplyText, ParameterNameIsTheSecondWord) {
    EXPECT_EQ(ParameterName("pget que1"), "que1");
    EXPECT_EQ(ParameterName("pset psA1 a\\sb"), "psA1");
    EXPECT_EQ(ParameterName("ver"), "");
    EXPECT_EQ(ParameterName("rtc s 24 01 02 03 04 05"), "s");
    EXPECT_EQ(ParameterName("\r\n"), "");
}

TEST(ReplyText, RemoveAllAndWordAfter) {
    std::string text = "ab-ab-aab";
    RemoveAll(text, "ab");
    EXPECT_EQ(text, "--a");
    EXPECT_EQ(WordAfter("done 1a", "done "), "1a");
    EXPECT_EQ(WordAfter("done", "done "), "");
    EXPECT_EQ(WordAfter("xdone 7 8", "done "), "7");
    std::string zeros("a\0b\0", 4);
    ReplaceZeroBytes(zeros, 2);
    EXPECT_EQ(zeros, std::string("a\0b ", 4));
}

TEST(WriteVerification, ListsDecideTheCheck) {
    EXPECT_EQ(WriteCheckOf("que1"), WriteCheck::Echo);
    EXPECT_EQ(WriteCheckOf("isc"), WriteCheck::Echo);
    EXPECT_EQ(WriteCheckOf("nfc"), WriteCheck::Echo);
    EXPECT_EQ(WriteCheckOf("pntT"), WriteCheck::TextChecksum);
    EXPECT_EQ(WriteCheckOf("psB2"), WriteCheck::TextChecksum);
    EXPECT_EQ(WriteCheckOf("lpb2"), WriteCheck::HexChecksum);
    EXPECT_EQ(WriteCheckOf("sov1path"), WriteCheck::None);
    EXPECT_EQ(WriteCheckOf("que"), WriteCheck::None);
}

TEST(WriteVerification, EchoedValues) {
    EXPECT_TRUE(VerifyWrite("pset que1 5", "done 5\r\n%"));
    EXPECT_FALSE(VerifyWrite("pset que1 5", "done 6\r\n%"));
    EXPECT_FALSE(VerifyWrite("pset que1 5", "error\r\n%"));
    // "isc" is compared as a number: 007 is confirmed by 7, not by 8.
    EXPECT_TRUE(VerifyWrite("pset isc 007", "done 7\r\n%"));
    EXPECT_FALSE(VerifyWrite("pset isc 007", "done 8\r\n%"));
    EXPECT_FALSE(VerifyWrite("pset isc 007", "done 007\r\n%"));
    // Without its prompt (a non-quiet exchange trimmed it) no write can be confirmed.
    EXPECT_FALSE(VerifyWrite("pset que1 5", "done 5\r\n"));
    // Unverified names and other commands always pass.
    EXPECT_TRUE(VerifyWrite("pset sov1path x", "error\r\n%"));
    EXPECT_TRUE(VerifyWrite("pget que1", "5\r\n"));
}

TEST(WriteVerification, TextChecksumIsOverTheUnescapedValue) {
    EXPECT_EQ(ChecksumToken("abc"), "da");
    EXPECT_EQ(ChecksumToken("abc", true), "DA");
    EXPECT_EQ(ChecksumToken(""), "00");
    EXPECT_TRUE(VerifyWrite("pset psA1 abc", "done da\r\n%"));
    EXPECT_TRUE(VerifyWrite("pset psA1 abc", "done DA\r\n%"));
    EXPECT_FALSE(VerifyWrite("pset psA1 abc", "done db\r\n%"));
    // "a\sb" stands for "a b"; "a\\sb" for a, backslash, s, b.
    EXPECT_EQ(TextChecksumToken("a\\sb"), ChecksumToken("a b"));
    EXPECT_EQ(TextChecksumToken("a\\\\sb"), ChecksumToken("a\\sb"));
    EXPECT_EQ(TextChecksumToken("x\\r\\ny"), ChecksumToken("x\r\ny"));
    // A double-byte character whose trail byte is a backslash travels with one extra backslash;
    // the token covers the character itself and keeps the "s" after it.
    const std::string so = Utf8ToCp932Lossy("ソ");
    ASSERT_EQ(so, "\x83\x5C");
    EXPECT_EQ(TextChecksumToken(so + "\\s"), ChecksumToken(so + "s"));
}

TEST(WriteVerification, HexChecksumIsOverTheEncodedBytes) {
    EXPECT_EQ(HexChecksumToken("616263"), "da");
    EXPECT_EQ(HexChecksumToken("6A6b"), ChecksumToken("\x6A\x6B"));
    EXPECT_EQ(HexChecksumToken("616"), "");
    EXPECT_EQ(HexChecksumToken("6g"), "");
    EXPECT_TRUE(VerifyWrite("pset lov1 616263", "done DA\r\n%"));
    EXPECT_FALSE(VerifyWrite("pset lov1 616263", "done d9\r\n%"));
    // A value that is not whole hex pairs cannot be confirmed, whatever the terminal says.
    EXPECT_FALSE(VerifyWrite("pset lov1 61626", "done 00\r\n%"));
}

TEST(WriteVerification, NdefTokenIsUpperCaseOverTheUrl) {
    const std::string url = "http://a.jp/";
    const std::string token = ChecksumToken(url, true);
    EXPECT_TRUE(VerifyWrite("ndef s 1 " + url, "done " + token + "\r\n%"));
    EXPECT_FALSE(VerifyWrite("ndef s 1 " + url, "done 00\r\n%"));
    // An empty URL (the line ends after the query value and its space) has the token 00.
    EXPECT_TRUE(VerifyWrite("ndef s 2 ", "done 00\r\n%"));
    EXPECT_FALSE(VerifyWrite("ndef s 2 ", "done 01\r\n%"));
}

}  // namespace
}  // namespace morvik
