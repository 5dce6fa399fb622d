// Query flags and the per-set holder: what a read puts on the pages and what a write sends.

#include <gtest/gtest.h>

#include "model/FunctionRecordQuery.h"
#include "model/FunctionRecordSet.h"
#include "model/records/RecordGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using test::Sjis;
using Lines = std::vector<std::string>;
using Q = QueryChoice;
constexpr PhoneGroup kDocomo = PhoneGroup::Docomo;
constexpr PhoneGroup kOther = PhoneGroup::Other;

TEST(QueryFlags, SelectorMapping) {
    EXPECT_EQ(ApplyQueryChoice(0, kOther, Q::AppendEncrypted), 12);
    EXPECT_EQ(ApplyQueryChoice(15, kDocomo, Q::AppendPlain), 13);
    // No query clears the group's bits and leaves the other group alone.
    EXPECT_EQ(ApplyQueryChoice(15, kOther, Q::None), 3);
    EXPECT_EQ(QueryChoiceOf(3, kDocomo), Q::AppendEncrypted);
    EXPECT_EQ(QueryChoiceOf(3, kOther), Q::None);
    EXPECT_EQ(QueryChoiceOf(8, kOther), Q::None);  // encrypt without append shows no query

    // Every choice a page can make gives flags that read back as the same choices.
    for (int flags = 0; flags < 16; ++flags) {
        for (Q a : {Q::AppendEncrypted, Q::AppendPlain, Q::None}) {
            for (Q b : {Q::AppendEncrypted, Q::AppendPlain, Q::None}) {
                int written = ApplyQueryChoice(ApplyQueryChoice(flags, kDocomo, a), kOther, b);
                ASSERT_TRUE(ParseQueryFlags(FormatQueryFlags(written)).has_value()) << written;
                EXPECT_EQ(QueryChoiceOf(written, kDocomo), a);
                EXPECT_EQ(QueryChoiceOf(written, kOther), b);
            }
        }
    }
}

TEST(QueryFlags, StoredValueChecks) {
    EXPECT_EQ(ParseQueryFlags("3"), 3);
    EXPECT_EQ(ParseQueryFlags("9"), 9);
    EXPECT_EQ(ParseQueryFlags("15"), 15);
    EXPECT_EQ(ParseQueryFlags(""), 0);  // an unset key
    for (const char* bad : {"2", "6", "16", "-1", "x", "3a", " 3"}) {
        EXPECT_FALSE(ParseQueryFlags(bad).has_value()) << bad;
    }
    EXPECT_EQ(QueryFlagsMessage(), res::TextCp932(ids::kQueryInvalid));
}

TEST(FunctionSet, LoadFillsPagesAndSelectors) {
    FunctionSet set;
    TorucaRecord toruca;
    toruca.detailUrl = "http://t/?";
    toruca.categoryIcon = "1f";
    MailerRecord mailer{"a@b", "", "sub", "", ""};
    std::string psA = BuildRecord(toruca, RecordTarget::File);
    std::string psB = BuildRecord(mailer, RecordTarget::File);

    SetLoadResult r = LoadFunctionSet(set, psA, psB, "7");
    EXPECT_TRUE(r.recordsReadable);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(set.docomo.selected, RecordKind::Toruca);
    EXPECT_EQ(set.docomo.toruca.categoryIcon, "1F");
    EXPECT_EQ(set.docomo.SelectedQuery(), Q::AppendEncrypted);
    EXPECT_EQ(set.other.selected, RecordKind::Mailer);
    EXPECT_EQ(set.other.mailer, mailer);
    EXPECT_EQ(set.other.SelectedQuery(), Q::AppendPlain);

    // What a write sends back is what was read.
    EXPECT_EQ(BuildGroupRecord(set, kDocomo, RecordTarget::File), psA);
    EXPECT_EQ(BuildGroupRecord(set, kOther, RecordTarget::File), psB);
    EXPECT_EQ(BuildQueryFlags(set), 7);
}

TEST(FunctionSet, LoadReportsButKeepsWhatItCan) {
    FunctionSet set;
    set.other.Select(ApplicationRecord{"http://keep/", "", ""});
    set.queryFlags = 5;
    set.docomo.SetQuery(Q::AppendPlain);
    // psA is a browser record with a faulty URL; psB's kind "4" is no function of its group;
    // the flags fail their check.
    std::string psA = BuildRecord(BrowserRecord{"http://a b/", ""}, RecordTarget::File);
    SetLoadResult r = LoadFunctionSet(set, psA, "4", "6");
    EXPECT_FALSE(r.recordsReadable);
    EXPECT_EQ(r.messages,
              (Lines{res::TextCp932(ids::kUrlInvalidChars), res::TextCp932(ids::kUrlQueryEnding),
                     res::TextCp932(ids::kFunctionInvalid), res::TextCp932(ids::kQueryInvalid)}));
    // The faulty record still fills its page; the unreadable one leaves the group as it was;
    // the flags and selectors stay.
    EXPECT_EQ(set.docomo.browser.url, "http://a b/");
    EXPECT_EQ(set.other.selected, RecordKind::Application);
    EXPECT_EQ(set.other.application.url, "http://keep/");
    EXPECT_EQ(set.queryFlags, 5);
}

TEST(FunctionSet, FileExtrasReplaceTorucaIdentifiers) {
    TorucaRecord toruca;
    toruca.detailUrl = "http://t/";
    toruca.categoryIcon = "0001";
    toruca.kanaId = Sjis("アア");
    std::string psA = BuildRecord(toruca, RecordTarget::File);
    std::string psB = BuildRecord(BrowserRecord{"http://b/", ""}, RecordTarget::File);

    FunctionSet set;
    TorucaExtras extras{Sjis("ソソ"), "2", "7"};
    EXPECT_TRUE(LoadFunctionSet(set, psA, psB, "0", extras).messages.empty());
    EXPECT_EQ(set.docomo.toruca.kanaId, Sjis("ソソ"));
    EXPECT_EQ(set.docomo.toruca.redistributionId, "2");
    EXPECT_EQ(set.docomo.toruca.colorId, "7");

    TorucaExtras saved = TorucaExtrasOf(set);
    EXPECT_EQ(saved.kanaId, Sjis("ソソ"));
    EXPECT_EQ(saved.colorId, "7");

    // Extras do not touch a docomo browser record.
    FunctionSet browserSet;
    LoadFunctionSet(browserSet, psB, psB, "0", extras);
    EXPECT_EQ(browserSet.docomo.toruca, TorucaRecord{});
}

TEST(FunctionSet, ApplicationLeavesItsGroupsQueryBits) {
    FunctionSet set;
    set.queryFlags = 15;
    set.docomo.Select(ApplicationRecord{"http://a/", "", ""});
    set.docomo.SetQuery(Q::None);  // selectors of the hidden pages do not count
    set.other.Select(BrowserRecord{"http://b/?", ""});
    set.other.browserQuery = Q::None;
    EXPECT_EQ(BuildQueryFlags(set), 3);
    set.other.browserQuery = Q::AppendPlain;
    EXPECT_EQ(BuildQueryFlags(set), 7);
}

TEST(FunctionSet, ValidationCoversTheSelectedPagesOnly) {
    FunctionSet set;
    set.docomo.toruca.detailUrl = "";  // a faulty page that is not selected
    set.docomo.Select(BrowserRecord{"", ""});
    set.other.Select(MailerRecord{});
    set.other.mailerQuery = Q::AppendEncrypted;
    EXPECT_EQ(ValidateFunctionSet(set),
              (Lines{res::TextCp932(ids::kUrlEmpty), res::TextCp932(ids::kMailToEmpty)}));
}

// A whole set survives a write to a settings file and a load, for random records of every
// kind with random query choices.
TEST(FunctionSet, RandomSetsRoundTripThroughStoredValues) {
    test::RecordGen gen(4242);
    const Q choices[] = {Q::AppendEncrypted, Q::AppendPlain, Q::None};
    for (int n = 0; n < 300; ++n) {
        FunctionSet set;
        FunctionRecord a = gen.Coin() ? FunctionRecord(gen.Toruca()) : gen.Browser();
        FunctionRecord b = gen.Coin() ? FunctionRecord(gen.Mailer()) : gen.Application();
        set.docomo.Select(a);
        set.other.Select(b);
        set.docomo.SetQuery(choices[gen.Uniform(0, 2)]);
        set.other.SetQuery(choices[gen.Uniform(0, 2)]);
        FunctionSet loaded;
        LoadFunctionSet(loaded, BuildGroupRecord(set, kDocomo, RecordTarget::File),
                        BuildGroupRecord(set, kOther, RecordTarget::File),
                        FormatQueryFlags(BuildQueryFlags(set)), TorucaExtrasOf(set));
        ASSERT_EQ(loaded.docomo.selected, set.docomo.selected);
        ASSERT_EQ(loaded.other.selected, set.other.selected);
        ASSERT_EQ(BuildGroupRecord(loaded, kDocomo, RecordTarget::File),
                  BuildGroupRecord(set, kDocomo, RecordTarget::File));
        ASSERT_EQ(BuildGroupRecord(loaded, kOther, RecordTarget::File),
                  BuildGroupRecord(set, kOther, RecordTarget::File));
        if (KindHasQuery(set.other.selected)) {
            ASSERT_EQ(loaded.other.SelectedQuery(), set.other.SelectedQuery());
        }
        ASSERT_EQ(loaded.docomo.SelectedQuery(), set.docomo.SelectedQuery());
    }
}

}  // namespace
}  // namespace morvik
