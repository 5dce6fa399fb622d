// Records survive the two roads they travel: into a settings file and back, and to a terminal
// (whole record escaped by the set command) and back in the form the terminal answers.

#include <gtest/gtest.h>

#include "model/Escape.h"
#include "model/FunctionRecordBuild.h"
#include "model/FunctionRecordParse.h"
#include "model/TextExtract.h"
#include "model/records/RecordGen.h"
#include "support/RawTerminal.h"
#include "support/SimProcess.h"

namespace morvik {
namespace {

using test::RecordGen;
using test::Sjis;

PhoneGroup GroupFor(const FunctionRecord& record, RecordGen& gen) {
    switch (KindOf(record)) {
        case RecordKind::Toruca:
            return PhoneGroup::Docomo;
        case RecordKind::Mailer:
            return PhoneGroup::Other;
        default:
            return gen.Coin() ? PhoneGroup::Docomo : PhoneGroup::Other;
    }
}

// What a record reads back as: the fixed Toruca fields as they were written (category icon
// normalised, identifiers in upper case), and for a terminal write the identifiers' defaults.
FunctionRecord Expected(FunctionRecord record, RecordTarget target) {
    if (auto* t = std::get_if<TorucaRecord>(&record)) {
        t->categoryIcon = NormalizeCategoryIcon(t->categoryIcon);
        if (target == RecordTarget::Terminal) {
            if (t->kanaId.empty()) {
                t->kanaId = Sjis("アア");
            }
            if (t->redistributionId.empty()) {
                t->redistributionId = "4";
            }
            if (t->colorId.empty()) {
                t->colorId = "1";
            }
        }
    }
    return record;
}

std::string Describe(const FunctionRecord& record) {
    return "kind " + std::string(1, static_cast<char>(KindOf(record))) + ", file form [" +
           BuildRecord(record, RecordTarget::File) + "]";
}

TEST(RecordRoundTrip, RandomRecordsThroughSettingsFile) {
    RecordGen gen(7321);
    for (int n = 0; n < 1500; ++n) {
        FunctionRecord record = gen.Any();
        ASSERT_TRUE(ValidateRecord(record, QueryChoice::None).empty()) << Describe(record);
        PhoneGroup group = GroupFor(record, gen);
        std::string stored = BuildRecord(record, RecordTarget::File);
        // A settings file line holds no line break (the value runs to the line's end).
        ASSERT_EQ(stored.find('\n'), std::string::npos) << Describe(record);
        std::optional<FunctionRecord> back = ParseRecord(stored, group);
        ASSERT_TRUE(back.has_value()) << Describe(record);
        ASSERT_EQ(*back, Expected(record, RecordTarget::File)) << Describe(record);
        // The recovered record builds the very same stored text again.
        ASSERT_EQ(BuildRecord(*back, RecordTarget::File), stored);
    }
}

TEST(RecordRoundTrip, FixedFieldsAtTheirPositions) {
    TorucaRecord t;
    t.detailUrl = "http://a/?";
    t.categoryIcon = "0x1f";
    std::string plain = BuildRecord(t, RecordTarget::Terminal);
    EXPECT_EQ(plain.substr(11, 12), "  1F" + Sjis("アア") + " 4 1");
    std::string file = BuildRecord(t, RecordTarget::File);
    EXPECT_EQ(file.substr(11, 12), "  1F        ");
    // Read back, the padding is gone and the empty identifiers stay empty.
    auto back = ParseRecord(file, PhoneGroup::Docomo);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(std::get<TorucaRecord>(*back).categoryIcon, "1F");
    EXPECT_EQ(std::get<TorucaRecord>(*back).redistributionId, "");
    EXPECT_TRUE(ValidateRecord(*back, QueryChoice::AppendPlain).empty());
}

TEST(RecordRoundTrip, BrowserLayout) {
    EXPECT_EQ(BuildRecord(BrowserRecord{"http://a.b", ""}, RecordTarget::Terminal),
              "00a00http://a.b");
    // CR LF counts 2 and a space 1 in the length; the file form carries them escaped.
    BrowserRecord r{"u", "a b\r\nc"};
    EXPECT_EQ(BuildRecord(r, RecordTarget::Terminal), "00106ua b\r\nc");
    EXPECT_EQ(BuildRecord(r, RecordTarget::File), "00106ua\\sb\\r\\nc");
    EXPECT_EQ(TransferEscape(BuildRecord(r, RecordTarget::Terminal)), "00106ua\\sb\\r\\nc");
}

// A record the terminal answered: kind, lengths and raw URL, the free texts escaped one by one.
TEST(RecordRoundTrip, RecordInTheFormATerminalAnswers) {
    // Mailer: To "a b", CC empty, subject "ソ", body "x\r\n表", message "\".
    std::string answer =
        "2"
        "03"
        "00"
        "02"
        "05"
        "01";
    answer += "a\\sb" + std::string("\x83\x5C\x5C") + "x\\r\\n\x95\x5C\x5C" + "\\\\";
    auto record = ParseRecord(answer, PhoneGroup::Other);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(*record,
              FunctionRecord(MailerRecord{"a b", "", Sjis("ソ"), "x\r\n" + Sjis("表"), "\\"}));
    // The same first character is no function of the docomo group.
    EXPECT_FALSE(ParseRecord(answer, PhoneGroup::Docomo).has_value());
    EXPECT_FALSE(ParseRecord("", PhoneGroup::Docomo).has_value());
    EXPECT_FALSE(ParseRecord("4", PhoneGroup::Other).has_value());
}

TEST(RecordRoundTrip, DamagedRecordsGiveEmptyFieldsNotCrashes) {
    RecordGen gen(99);
    for (int n = 0; n < 1500; ++n) {
        std::string text = BuildRecord(gen.Any(), RecordTarget::File);
        // Cut it short, or flip a byte, or claim more than the text holds.
        switch (n % 3) {
            case 0:
                text.resize(static_cast<size_t>(gen.Uniform(1, static_cast<int>(text.size()))));
                break;
            case 1:
                text[static_cast<size_t>(gen.Uniform(0, static_cast<int>(text.size()) - 1))] =
                    static_cast<char>(gen.Uniform(0, 255));
                break;
            default:
                if (text.size() > 3) {
                    text.replace(1, 2, "ff");
                }
        }
        for (PhoneGroup group : {PhoneGroup::Docomo, PhoneGroup::Other}) {
            if (auto record = ParseRecord(text, group)) {
                ValidateRecord(*record, QueryChoice::AppendEncrypted);
                BuildRecord(*record, RecordTarget::File);
            }
        }
    }
    auto shortRecord = ParseRecord("4", PhoneGroup::Docomo);
    ASSERT_TRUE(shortRecord.has_value());
    EXPECT_EQ(std::get<TorucaRecord>(*shortRecord), TorucaRecord{});
}

// The simulator is the reference terminal: the tool sends the whole record escaped with
// "pset", and reads back what the terminal answers to "pget".
TEST(RecordRoundTrip, RandomRecordsThroughTheSimulatedTerminal) {
    test::SimProcess sim;  // a Mini terminal
    test::RawTerminal terminal(sim.DevicePath());
    ASSERT_TRUE(terminal.OpenSession("config mini"));
    RecordGen gen(555);
    for (int n = 0; n < 60; ++n) {
        FunctionRecord record = gen.Any();
        PhoneGroup group = GroupFor(record, gen);
        std::string key = group == PhoneGroup::Docomo ? "psA1" : "psB2";
        std::string setReply = terminal.Command(
            "pset " + key + " " + TransferEscape(BuildRecord(record, RecordTarget::Terminal)));
        ASSERT_NE(setReply.find("done"), std::string::npos) << setReply;
        std::string reply = terminal.Command("pget " + key);
        std::string answer = ValueBetweenMarkers(reply, "\r\n" + key + " ", "\r\n");
        FunctionRecord expected = Expected(record, RecordTarget::Terminal);
        // The terminal answers in the settings-file form.
        ASSERT_EQ(answer, BuildRecord(expected, RecordTarget::File)) << Describe(record);
        auto back = ParseRecord(answer, group);
        ASSERT_TRUE(back.has_value()) << reply;
        ASSERT_EQ(*back, expected) << Describe(record);
    }
}

}  // namespace
}  // namespace morvik
