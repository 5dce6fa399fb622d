#include <gtest/gtest.h>

#include "model/Cp932.h"
#include "model/SlimValidation.h"
#include "res/Strings.h"

namespace morvik {
namespace {

std::optional<std::string> Msg(int id) {
    return res::TextCp932(id);
}
std::optional<std::string> Msg(int id, int limit) {
    return res::Format(res::TextCp932(id), limit);
}

SlimEditorState ValidState(SlimFunction function) {
    SlimEditorState state;
    state.function = function;
    state.browser = {"http://b/?", "msg"};
    state.toruca = {"http://t/?", "0x1f", "d1", "d2", "d3"};
    state.mailer = {"to@x", "cc@x", "subject", "body", "message"};
    return state;
}

// Each fault is mended in turn; every step reports the next check in the order, and only that.
TEST(SlimValidation, BrowserOrder) {
    SlimEditorState s = ValidState(SlimFunction::Browser);
    s.browserQuery = true;
    s.browser.url = "";
    s.browser.message = std::string(184, '\t');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(918));
    s.browser.url = "http://a b/" + std::string(180, 'u');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(916));
    // The query ending is checked before the length.
    s.browser.url = "http://ab/" + std::string(180, 'u');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(962));
    s.browser.url += "?";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(917, 184));
    s.browser.url = "http://ab/&";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(921));
    s.browser.message = std::string(184, 'm');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(922, 183));
    // Query on and not encrypted: 184 - 34.
    s.browser.message = std::string(150, 'm');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(912, 150));
    s.browser.message = std::string(139, 'm');
    EXPECT_EQ(ValidateSlimEditorState(s), std::nullopt);
    s.browserQuery = false;
    s.browser.url = "http://ab/";
    EXPECT_EQ(ValidateSlimEditorState(s), std::nullopt);
}

// URL of 150 bytes and message of 10 with an encrypted query: 160 over 184 - 54 = 130.
TEST(SlimValidation, EncryptedQueryShrinksCapacity) {
    SlimEditorState s = ValidState(SlimFunction::Browser);
    s.browserQuery = true;
    s.encryptQuery = true;
    s.browser.url = std::string(149, 'u') + "?";
    s.browser.message = std::string(10, 'm');
    EXPECT_EQ(SlimSumOf(s, SlimRecordKind::Browser), 160);
    EXPECT_EQ(SlimCapacityOf(s, SlimRecordKind::Browser), 130);
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(912, 130));
    s.encryptQuery = false;
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(912, 150));
    s.browserQuery = false;
    EXPECT_EQ(ValidateSlimEditorState(s), std::nullopt);
    EXPECT_EQ(SlimCapacity(SlimRecordKind::Toruca, true, true), 119);
    EXPECT_EQ(SlimCapacity(SlimRecordKind::Mailer, true, true), 124);
    EXPECT_EQ(SlimCapacity(SlimRecordKind::Mailer, true, false), 144);
}

TEST(SlimValidation, TorucaOrder) {
    SlimEditorState s = ValidState(SlimFunction::TorucaMailer);
    s.torucaQuery = true;
    s.toruca = {"", "zz", "\t", "\t", "\t"};
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(928));
    s.toruca.detailUrl = "http://t/!" + std::string(170, 'u');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(926));
    s.toruca.detailUrl = "http://t/" + std::string(170, 'u');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(963));
    s.toruca.detailUrl += "&";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(927, 173));
    s.toruca.detailUrl = "http://t/?";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(931));
    s.toruca.categoryIcon = "0x";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(931));
    s.toruca.categoryIcon = "12345";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(932));
    s.toruca.categoryIcon = "0x1a";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(936));
    s.toruca.data1 = std::string(41, 'd');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(937, 40));
    s.toruca.data1 = "";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(941));
    s.toruca.data2 = std::string(101, 'd');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(942, 100));
    s.toruca.data2 = "two\r\nlines";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(946));
    s.toruca.data3 = std::string(21, 'd');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(947, 20));
    s.toruca.data3 = "";
    s.toruca.data2 = std::string(100, 'd');
    s.toruca.data1 = std::string(40, 'd');
    s.toruca.detailUrl = std::string(29, 'u') + "?";  // 170 bytes against 173 - 34
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(913, 139));
    s.torucaQuery = false;
    EXPECT_EQ(ValidateSlimEditorState(s), std::nullopt);
}

TEST(SlimValidation, MailerOrder) {
    SlimEditorState s = ValidState(SlimFunction::BrowserMailer);
    s.mailer = {"", "\x83\x41", "\t", "\t", "\t"};
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(953));
    s.mailer.to = std::string(41, '\x83');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(954));
    s.mailer.to = std::string(41, 't');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(948, 40));
    s.mailer.to = "a b@c";  // a space is printable ASCII
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(955));
    s.mailer.cc = std::string(41, 'c');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(949, 40));
    s.mailer.cc = "";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(956));
    s.mailer.subject = std::string(41, 's');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(950, 40));
    s.mailer.subject = Utf8ToCp932Lossy("件名");
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(957));
    s.mailer.body = std::string(99, 'b');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(951, 98));
    s.mailer.body = "a\r\nb";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(958));
    s.mailer.message = std::string(33, 'm');
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(952, 32));
    s.mailer.message = "m";
    s.mailerQuery = true;
    s.encryptQuery = true;
    s.mailer.body = std::string(98, 'b');
    s.mailer.subject = std::string(40, 's');  // 5 + 40 + 98 + 1 = 144 against 124
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(919, 124));
    s.encryptQuery = false;
    EXPECT_EQ(ValidateSlimEditorState(s), std::nullopt);
}

// Only the groups of the function are checked, browser before Toruca before mailer.
TEST(SlimValidation, GroupsOfTheFunction) {
    SlimEditorState s = ValidState(SlimFunction::Browser);
    s.toruca.detailUrl = "";
    s.mailer.to = "";
    EXPECT_EQ(ValidateSlimEditorState(s), std::nullopt);
    s.function = SlimFunction::TorucaBrowser;
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(928));
    s.browser.url = "";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(918));
    s.function = SlimFunction::BrowserMailer;
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(918));
    s.function = SlimFunction::TorucaMailer;
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(928));
    s.toruca.detailUrl = "http://t/";
    EXPECT_EQ(ValidateSlimEditorState(s), Msg(953));
}

}  // namespace
}  // namespace morvik
