// A stored record whose field length runs past its end: the fields before the damaged one keep
// their text, the damaged one and every later one come out empty, for every record kind. The
// bytes that are there must never slide into a later field.

#include <gtest/gtest.h>

#include <string>

#include "model/FunctionRecordBuild.h"
#include "model/FunctionRecordParse.h"

namespace morvik {
namespace {

struct DamagedCase {
    const char* name;
    FunctionRecord whole;  // built into its file form first
    size_t lengthAt;       // where the damaged field's "%02x" length stands
    FunctionRecord expected;
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.name;
}

class DamagedRecordFields : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRecordFields, FieldsAfterTheEndAreEmpty) {
    const DamagedCase& c = GetParam();
    std::string text = BuildRecord(c.whole, RecordTarget::File);
    // Claim far more than the record holds.
    text.replace(c.lengthAt, 2, "7f");
    const PhoneGroup group =
        std::holds_alternative<MailerRecord>(c.whole) ? PhoneGroup::Other : PhoneGroup::Docomo;
    const std::optional<FunctionRecord> parsed = ParseRecord(text, group);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, c.expected);
}

TorucaRecord Toruca(std::string url, std::string data1, std::string data2) {
    TorucaRecord r;
    r.detailUrl = std::move(url);
    r.categoryIcon = "1F";
    r.data1 = std::move(data1);
    r.data2 = std::move(data2);
    r.data3 = "d3";
    r.ipId = "ip";
    r.redistributionId = "1";
    r.colorId = "2";
    return r;
}

TorucaRecord TorucaFixedFieldsOnly(std::string url, std::string data1) {
    TorucaRecord r = Toruca(std::move(url), std::move(data1), "");
    r.data3.clear();
    r.ipId.clear();
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    PerKind, DamagedRecordFields,
    ::testing::Values(
        DamagedCase{"BrowserUrl", BrowserRecord{"http://a.jp/", "abc"}, 1, BrowserRecord{}},
        DamagedCase{"BrowserMessage", BrowserRecord{"http://a.jp/", "abc"}, 3,
                    BrowserRecord{"http://a.jp/", ""}},
        DamagedCase{"MailerSubject", MailerRecord{"to@a.jp", "cc@a.jp", "sub", "body", "msg"}, 5,
                    MailerRecord{"to@a.jp", "cc@a.jp", "", "", ""}},
        DamagedCase{"ApplicationCode", ApplicationRecord{"http://a.jp/x.jam", "code", "p=1"}, 3,
                    ApplicationRecord{"http://a.jp/x.jam", "", ""}},
        DamagedCase{"TorucaUrl", Toruca("http://a.jp/t", "d1", "d2"), 1,
                    TorucaFixedFieldsOnly("", "")},
        DamagedCase{"TorucaData1", Toruca("http://a.jp/t", "d1", "d2"), 3,
                    TorucaFixedFieldsOnly("http://a.jp/t", "")}),
    [](const ::testing::TestParamInfo<DamagedCase>& info) { return info.param.name; });

TEST(DamagedRecordFields, ShortBrowserRecordKeepsNoBytesForTheMessage) {
    // URL length 5 with three bytes left: the three are not the message.
    const std::optional<FunctionRecord> parsed = ParseRecord("00503abc", PhoneGroup::Other);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, FunctionRecord(BrowserRecord{}));
}

}  // namespace
}  // namespace morvik
