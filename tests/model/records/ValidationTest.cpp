// The field rules of each record kind: every fault adds its own line, in the page's order.

#include <gtest/gtest.h>

#include "model/FunctionRecordValidate.h"
#include "model/records/RecordGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using test::Sjis;
using Lines = std::vector<std::string>;

std::string M(int id) {
    return res::TextCp932(id);
}
std::string M(int id, int limit) {
    return res::Format(res::TextCp932(id), limit);
}

TEST(RecordValidation, BrowserFaultsInOrder) {
    // A URL with a space, too long and without a query ending; a message with a TAB, too long.
    BrowserRecord r{"http://a b/" + std::string(174, 'x'), "\t" + std::string(183, 'm')};
    ASSERT_EQ(r.url.size(), 185u);
    EXPECT_EQ(ValidateRecord(r, QueryChoice::AppendEncrypted),
              (Lines{M(ids::kUrlInvalidChars), M(ids::kUrlQueryEnding), M(ids::kUrlTooLong, 184),
                     M(ids::kBrowserMessageInvalidChars), M(ids::kBrowserMessageTooLong, 183),
                     M(ids::kBrowserTotalTooLarge, 109)}));
    // An empty URL says so once; its ending is not tested.
    EXPECT_EQ(ValidateRecord(BrowserRecord{"", "ok"}, QueryChoice::AppendPlain),
              (Lines{M(ids::kUrlEmpty)}));
}

TEST(RecordValidation, TotalLimitShrinksWithTheQuery) {
    BrowserRecord r{"http://example.com/" + std::string(80, 'a') + "?", std::string(10, 'm')};
    ASSERT_EQ(r.url.size() + r.message.size(), 110u);
    EXPECT_EQ(ValidateRecord(r, QueryChoice::AppendEncrypted),
              (Lines{M(ids::kBrowserTotalTooLarge, 109)}));
    EXPECT_TRUE(ValidateRecord(r, QueryChoice::AppendPlain).empty());
    EXPECT_TRUE(ValidateRecord(r, QueryChoice::None).empty());

    EXPECT_EQ(TotalLimit(RecordKind::Browser, QueryChoice::AppendPlain), 137);
    EXPECT_EQ(TotalLimit(RecordKind::Mailer, QueryChoice::AppendEncrypted), 103);
    EXPECT_EQ(TotalLimit(RecordKind::Mailer, QueryChoice::AppendPlain), 131);
    EXPECT_EQ(TotalLimit(RecordKind::Toruca, QueryChoice::AppendEncrypted), 90);
    EXPECT_EQ(TotalLimit(RecordKind::Toruca, QueryChoice::AppendPlain), 118);
    EXPECT_EQ(TotalLimit(RecordKind::Application, QueryChoice::AppendEncrypted), 182);
}

TEST(RecordValidation, MultiLineFieldsAreMeasuredEscaped) {
    // 92 spaces are 92 bytes as typed but 184 once escaped: over the message limit of 183.
    BrowserRecord r{"http://a/", std::string(92, ' ')};
    EXPECT_EQ(ValidateRecord(r, QueryChoice::None),
              (Lines{M(ids::kBrowserMessageTooLong, 183), M(ids::kBrowserTotalTooLarge, 184)}));
    EXPECT_EQ(CounterSize(r), 9 + 92);
    EXPECT_EQ(ValidationSize(r), 9 + 184);
    // A line break is two bytes in the counter, four in validation; a bare LF is refused.
    EXPECT_EQ(CounterSize(BrowserRecord{"u", "a\r\nb"}), 5);
    EXPECT_EQ(ValidationSize(BrowserRecord{"u", "a\r\nb"}), 7);
    EXPECT_EQ(ValidateRecord(BrowserRecord{"u", "a\nb"}, QueryChoice::None),
              (Lines{M(ids::kBrowserMessageInvalidChars)}));
}

TEST(RecordValidation, MailerKeepsTestingAfterAnEmptyTo) {
    MailerRecord r;
    r.cc = "\x82\xA0";                        // not ASCII
    r.subject = "\t" + std::string(40, 's');  // TAB, 41 bytes
    r.body = "\x01" + std::string(98, 'b');
    r.message = "\x7F" + std::string(32, 'm');
    EXPECT_EQ(
        ValidateRecord(r, QueryChoice::AppendEncrypted),
        (Lines{M(ids::kMailToEmpty), M(ids::kMailCcInvalidChars), M(ids::kMailSubjectInvalidChars),
               M(ids::kMailSubjectTooLong, 40), M(ids::kMailBodyInvalidChars),
               M(ids::kMailBodyTooLong, 98), M(ids::kMailerMessageInvalidChars),
               M(ids::kMailerMessageTooLong, 32), M(ids::kMailerTotalTooLarge, 103)}));
    MailerRecord tooLong{std::string(41, 't'), std::string(41, 'c'), "", "", ""};
    EXPECT_EQ(ValidateRecord(tooLong, QueryChoice::None),
              (Lines{M(ids::kMailToTooLong, 40), M(ids::kMailCcTooLong, 40)}));
    // No query ending rule for mail.
    EXPECT_TRUE(
        ValidateRecord(MailerRecord{"a@b", "", "", "", ""}, QueryChoice::AppendPlain).empty());
}

TEST(RecordValidation, ApplicationFaultsInOrder) {
    ApplicationRecord r{"!" + std::string(182, 'u'), "\x83\x41" + std::string(5, 'c'),
                        "\t" + std::string(181, 'p')};
    EXPECT_EQ(
        ValidateRecord(r, QueryChoice::AppendEncrypted),
        (Lines{M(ids::kAppUrlInvalidChars), M(ids::kUrlTooLong, 182), M(ids::kAppCodeInvalidChars),
               M(ids::kAppCodeTooLong, 6), M(ids::kAppParamInvalidChars),
               M(ids::kAppParamTooLong, 181), M(ids::kAppTotalTooLarge, 182)}));
    // An empty application record is acceptable, and an escape typed in the code counts once
    // in the counter.
    EXPECT_TRUE(ValidateRecord(ApplicationRecord{}, QueryChoice::None).empty());
    EXPECT_EQ(CounterSize(ApplicationRecord{"u", "\\s", "a\\\\b"}), 1 + 1 + 3);
}

TEST(RecordValidation, TorucaFaultsInOrder) {
    TorucaRecord r;
    r.detailUrl = "";
    r.categoryIcon = "xyz";
    r.data1 = "\t" + std::string(40, '1');
    r.data2 = "\x01" + std::string(100, '2');
    r.data3 = "\x7F" + std::string(20, '3');
    r.ipId = "-" + std::string(30, 'i');
    r.kanaId = Sjis("アアア");
    r.redistributionId = "ab";
    r.colorId = "x";
    EXPECT_EQ(
        ValidateRecord(r, QueryChoice::AppendEncrypted),
        (Lines{M(ids::kTorucaUrlEmpty), M(ids::kCategoryIconInvalid), M(ids::kData1InvalidChars),
               M(ids::kData1TooLong, 40), M(ids::kData2InvalidChars), M(ids::kData2TooLong, 100),
               M(ids::kData3InvalidChars), M(ids::kData3TooLong, 20), M(ids::kIpIdInvalidChars),
               M(ids::kIpIdTooLong, 30), M(ids::kKanaIdTooLong, 2), M(ids::kKanaIdInvalid, 2),
               M(ids::kReIdInvalidChars), M(ids::kReIdTooLong, 1), M(ids::kColorIdInvalidChars),
               M(ids::kTorucaTotalTooLarge, 90)}));

    TorucaRecord url;
    url.detailUrl = "http://a b/" + std::string(160, 'x');
    url.categoryIcon = "0x1f";
    EXPECT_EQ(ValidateRecord(url, QueryChoice::AppendPlain),
              (Lines{M(ids::kTorucaUrlInvalidChars), M(ids::kTorucaUrlQueryEnding),
                     M(ids::kUrlTooLong, 165), M(ids::kTorucaTotalTooLarge, 118)}));
    url.detailUrl = "http://a/?x=1&";
    EXPECT_TRUE(ValidateRecord(url, QueryChoice::AppendPlain).empty());
    // "0x1f" writes as "1F"; an icon of five digits would not fit its four places.
    url.categoryIcon = "1f2a3";
    EXPECT_EQ(ValidateRecord(url, QueryChoice::AppendPlain), (Lines{M(ids::kCategoryIconTooLong)}));
}

TEST(RecordValidation, KanaIdRule) {
    for (const char* good : {"", "アア", "ソソ", "ァヴ"}) {
        EXPECT_TRUE(IsKanaId(Sjis(good))) << good;
    }
    // One katakana, hiragana (lead byte 0x82), half-width katakana, three characters.
    for (const char* bad : {"ア", "ああ", "ｱｲｳｴ", "アアア"}) {
        EXPECT_FALSE(IsKanaId(Sjis(bad))) << bad;
    }
    // Lead byte 0x83 but trail bytes past "ヶ" (0x8396): Greek capitals.
    EXPECT_FALSE(IsKanaId("\x83\x41\x83\x97"));
    EXPECT_FALSE(IsKanaId("\x83\x41\x83\x9F"));
    TorucaRecord r;
    r.detailUrl = "http://a/";
    r.categoryIcon = "1";
    r.kanaId = Sjis("ア");
    EXPECT_EQ(ValidateRecord(r, QueryChoice::None), (Lines{M(ids::kKanaIdInvalid, 2)}));
}

TEST(RecordValidation, QueryEndingMessagesCarryExamples) {
    // The message continues on further lines with an example address ending in "?" and one
    // ending in "&".
    std::string browser = QueryEndingMessage(RecordKind::Browser);
    EXPECT_EQ(browser, M(ids::kUrlQueryEnding));
    EXPECT_NE(browser.find("?\n"), std::string::npos);
    EXPECT_EQ(browser.back(), '&');
    EXPECT_EQ(QueryEndingMessage(RecordKind::Toruca), M(ids::kTorucaUrlQueryEnding));
}

}  // namespace
}  // namespace morvik
