#include <gtest/gtest.h>

#include "model/Cp932.h"
#include "model/Escape.h"
#include "model/SlimSettings.h"
#include "res/Strings.h"

namespace morvik {
namespace {

std::string Msg(int id) {
    return res::TextCp932(id);
}
std::string Msg(int id, int limit) {
    return res::Format(res::TextCp932(id), limit);
}

// A raw record with "%02x" lengths, escaped as it travels; written here without the model.
std::string Record(char kind, std::initializer_list<std::string> fields, std::string fixed = "") {
    std::string lengths;
    std::string texts;
    for (const std::string& field : fields) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned>(field.size()));
        lengths += hex;
        texts += field;
    }
    return TransferEscape(std::string(1, kind) + lengths + fixed + texts);
}

std::string Browser(const std::string& url, const std::string& message = "") {
    return Record('0', {url, message});
}
std::string Toruca(const std::string& url, const std::string& icon, const std::string& d1 = "",
                   const std::string& d2 = "", const std::string& d3 = "") {
    // The icon field is four characters wide, right-aligned with spaces.
    return Record('1', {url, d1, d2, d3},
                  std::string(icon.size() < 4 ? 4 - icon.size() : 0, ' ') + icon);
}
std::string Mailer(const std::string& to, const std::string& cc = "",
                   const std::string& subject = "", const std::string& body = "",
                   const std::string& message = "") {
    return Record('2', {to, cc, subject, body, message});
}

SlimSettings Values(std::string func, std::string psh1, std::string psh2 = "",
                    std::string que = "0", std::string disp = "0") {
    return {std::move(func), std::move(que), std::move(psh1), std::move(psh2), std::move(disp)};
}

using Messages = std::vector<std::string>;

const std::string kUrl = "http://x/";

TEST(SlimDecode, FunctionFromFuncAndRecordKinds) {
    EXPECT_EQ(DecodeSlimSettings(Values("0", Browser(kUrl))).state.function, SlimFunction::Browser);
    // A psh2 left from an earlier function does not matter to 機能1.
    EXPECT_EQ(DecodeSlimSettings(Values("0", Browser(kUrl), "garbage")).messages, Messages{});
    EXPECT_EQ(DecodeSlimSettings(Values("1", Toruca(kUrl, "  1F"), Browser(kUrl))).state.function,
              SlimFunction::TorucaBrowser);
    EXPECT_EQ(DecodeSlimSettings(Values("1", Browser(kUrl), Mailer("a@b"))).state.function,
              SlimFunction::BrowserMailer);
    const SlimDecoded f4 = DecodeSlimSettings(Values("1", Toruca(kUrl, "  1F"), Mailer("a@b")));
    EXPECT_EQ(f4.state.function, SlimFunction::TorucaMailer);
    EXPECT_EQ(f4.messages, Messages{});
    EXPECT_EQ(f4.state.toruca.categoryIcon, "1F");
    EXPECT_EQ(f4.state.mailer.to, "a@b");
    EXPECT_EQ(f4.state.toruca.detailUrl, kUrl);
}

TEST(SlimDecode, BadFunctionLeavesFunction1WithEmptyRecords) {
    const SlimSettings bad[] = {
        Values("2", Browser(kUrl)),
        Values("x", Browser(kUrl)),
        Values("", Browser(kUrl)),
        Values("0", Toruca(kUrl, "1F")),            // func 0 needs a browser record
        Values("0", ""),                            // and a non-empty one
        Values("1", Toruca(kUrl, "1F")),            // func 1 needs both records
        Values("1", Browser(kUrl), Browser(kUrl)),  // no function pairs two browsers
        Values("1", Mailer("a@b"), Browser(kUrl)),
    };
    for (const SlimSettings& values : bad) {
        const SlimDecoded decoded = DecodeSlimSettings(values);
        EXPECT_EQ(decoded.messages, Messages{Msg(911)}) << values.func << " " << values.psh1;
        EXPECT_EQ(decoded.state.function, SlimFunction::Browser);
        EXPECT_EQ(decoded.state.browser, BrowserRecord{});
        EXPECT_EQ(decoded.state.toruca, SlimTorucaRecord{});
    }
}

TEST(SlimDecode, BrowserWarnings) {
    auto messages = [](const std::string& url, const std::string& message) {
        return DecodeSlimSettings(Values("0", Browser(url, message))).messages;
    };
    EXPECT_EQ(messages("", ""), Messages{Msg(918)});
    EXPECT_EQ(messages("http://a b/", ""), Messages{Msg(916)});
    EXPECT_EQ(messages("http://a!/", ""), Messages{Msg(916)});
    EXPECT_EQ(messages(std::string(184, 'u'), std::string(183, 'm')), Messages{});
    EXPECT_EQ(messages(std::string(185, 'u'), ""), Messages{Msg(917, 184)});
    EXPECT_EQ(messages(kUrl, "a\tb"), Messages{Msg(921)});
    EXPECT_EQ(messages(kUrl, "a\nb"), Messages{Msg(921)});
    EXPECT_EQ(messages(kUrl, "line 1\r\nline 2"), Messages{});
    EXPECT_EQ(messages(kUrl, std::string(184, 'm')), Messages{Msg(922, 183)});
    // The texts are still placed, with the faults.
    const SlimDecoded decoded = DecodeSlimSettings(Values("0", Browser("bad url", "a\tb")));
    EXPECT_EQ(decoded.messages, (Messages{Msg(916), Msg(921)}));
    EXPECT_EQ(decoded.state.browser.url, "bad url");
    EXPECT_EQ(decoded.state.browser.message, "a\tb");
}

TEST(SlimDecode, TorucaWarnings) {
    auto messages = [](const std::string& url, const std::string& icon, const std::string& d1,
                       const std::string& d2, const std::string& d3) {
        return DecodeSlimSettings(Values("1", Toruca(url, icon, d1, d2, d3), Browser(kUrl)))
            .messages;
    };
    EXPECT_EQ(messages(kUrl, "  1F", "", "", ""), Messages{});
    EXPECT_EQ(messages("", "  1F", "", "", ""), Messages{Msg(928)});
    EXPECT_EQ(messages(std::string(174, 'u'), "  1F", "", "", ""), Messages{Msg(927, 173)});
    EXPECT_EQ(messages("http://a^b", "  1F", "", "", ""), Messages{Msg(926)});
    EXPECT_EQ(messages(kUrl, "  zz", "", "", ""), Messages{Msg(931)});
    EXPECT_EQ(messages(kUrl, "    ", "", "", ""), Messages{Msg(931)});
    EXPECT_EQ(messages(kUrl, "001F", "", "", ""), Messages{});
    EXPECT_EQ(messages(kUrl, "1F", std::string(41, 'd'), "", ""), Messages{Msg(937, 40)});
    EXPECT_EQ(messages(kUrl, "1F", "a\tb", "", ""), Messages{Msg(936)});
    EXPECT_EQ(messages(kUrl, "1F", "a\r\nb", "", ""), Messages{Msg(936)});  // one line only
    EXPECT_EQ(messages(kUrl, "1F", "", std::string(101, 'd'), ""), Messages{Msg(942, 100)});
    EXPECT_EQ(messages(kUrl, "1F", "", "a\r\nb", ""), Messages{});
    EXPECT_EQ(messages(kUrl, "1F", "", "a\rb", ""), Messages{Msg(941)});
    EXPECT_EQ(messages(kUrl, "1F", "", "", std::string(21, 'd')), Messages{Msg(947, 20)});
    EXPECT_EQ(messages(kUrl, "1F", "", "", "\x83"), Messages{Msg(946)});
    EXPECT_EQ(messages(std::string(174, ' '), "1F", "", "", ""),
              (Messages{Msg(927, 173), Msg(926)}));
}

TEST(SlimDecode, MailerWarnings) {
    auto messages = [](const std::string& to, const std::string& cc, const std::string& subject,
                       const std::string& body, const std::string& message) {
        return DecodeSlimSettings(
                   Values("1", Browser(kUrl), Mailer(to, cc, subject, body, message)))
            .messages;
    };
    EXPECT_EQ(messages("a@b", "c@d", Utf8ToCp932Lossy("件名"), Utf8ToCp932Lossy("本文\r\n2"),
                       Utf8ToCp932Lossy("メッセージ")),
              Messages{});
    EXPECT_EQ(messages("", "", "", "", ""), Messages{Msg(953)});
    EXPECT_EQ(messages(std::string(41, 't'), "", "", "", ""), Messages{Msg(948, 40)});
    EXPECT_EQ(messages("\x83\x41", "", "", "", ""), Messages{Msg(954)});
    EXPECT_EQ(messages("a", std::string(41, 'c'), "", "", ""), Messages{Msg(949, 40)});
    EXPECT_EQ(messages("a", "\xB1", "", "", ""), Messages{Msg(955)});
    EXPECT_EQ(messages("a", "", std::string(41, 's'), "", ""), Messages{Msg(950, 40)});
    EXPECT_EQ(messages("a", "", "a\tb", "", ""), Messages{Msg(956)});
    EXPECT_EQ(messages("a", "", "", std::string(99, 'b'), ""), Messages{Msg(951, 98)});
    EXPECT_EQ(messages("a", "", "", "a\tb", ""), Messages{Msg(957)});
    EXPECT_EQ(messages("a", "", "", "", std::string(33, 'm')), Messages{Msg(952, 32)});
    EXPECT_EQ(messages("a", "", "", "", "a\tb"), Messages{Msg(958)});
}

TEST(SlimDecode, QueChecks) {
    auto f1 = [](const std::string& que) {
        return DecodeSlimSettings(Values("0", Browser(kUrl), "", que));
    };
    auto f2 = [](const std::string& que) {
        return DecodeSlimSettings(Values("1", Toruca(kUrl, "1F"), Browser(kUrl), que));
    };
    EXPECT_EQ(f1("3").messages, Messages{});
    EXPECT_TRUE(f1("3").state.browserQuery);
    EXPECT_TRUE(f1("3").state.encryptQuery);
    EXPECT_EQ(f1("2").messages, Messages{Msg(961)});  // encrypted but not appended
    EXPECT_EQ(f1("9").messages, Messages{});
    EXPECT_EQ(f2("9").messages, Messages{Msg(961)});
    EXPECT_EQ(f2("16").messages, Messages{Msg(961)});
    EXPECT_EQ(f2("6").messages, Messages{Msg(961)});
    EXPECT_EQ(f2("").messages, Messages{});
    // Text that is no number is not taken for 0 without a word.
    EXPECT_EQ(f1("abc").messages, Messages{Msg(961)});
    EXPECT_EQ(f1("-1").messages, Messages{Msg(961)});
    // 機能2: bit 0 is the Toruca switch, bit 2 the browser switch; bit 3 alone checks the box.
    const SlimDecoded read = f2("12");
    EXPECT_EQ(read.messages, Messages{});
    EXPECT_FALSE(read.state.torucaQuery);
    EXPECT_TRUE(read.state.browserQuery);
    EXPECT_TRUE(read.state.encryptQuery);
    EXPECT_FALSE(f2("5").state.encryptQuery);
}

TEST(SlimDecode, DispChecks) {
    const SlimDecoded bad = DecodeSlimSettings(Values("0", Browser(kUrl), "", "0", "abc"));
    EXPECT_EQ(bad.messages, Messages{Msg(966)});
    EXPECT_EQ(bad.state.behaviour, SlimBehaviour{});
    const SlimDecoded five = DecodeSlimSettings(Values("0", Browser(kUrl), "", "0", "5"));
    EXPECT_EQ(five.messages, Messages{});
    EXPECT_FALSE(five.state.behaviour.waitingLamp);
    EXPECT_TRUE(five.state.behaviour.buzzer);
    EXPECT_FALSE(five.state.behaviour.failureLampBuzzer);
    EXPECT_TRUE(five.state.behaviour.lowVoltageBuzzer);
}

// Every failed check is reported, in the order disp, func, records, que.
TEST(SlimDecode, MessagesInCheckOrder) {
    const SlimDecoded decoded =
        DecodeSlimSettings(Values("1", Toruca("", "zz"), Mailer(""), "9", "x"));
    EXPECT_EQ(decoded.messages, (Messages{Msg(966), Msg(928), Msg(931), Msg(953), Msg(961)}));
    EXPECT_EQ(DecodeSlimSettings(Values("7", "", "", "2", "")).messages,
              (Messages{Msg(966), Msg(911), Msg(961)}));
}

// Records that end early or claim lengths they do not hold never read past their end; the
// fields they do not hold stay empty and the checks report what is missing.
TEST(SlimDecode, DamagedRecords) {
    const std::string cut[] = {"0",         "00",       "0ff",         "0ff00http",
                               "0100",      "0zz00abc", "1",           "1ffffffff",
                               "10a0a0a0a", "2",        "2ffffffffff", "20a"};
    for (const std::string& record : cut) {
        SlimSettings values;
        switch (record.front()) {
            case '0':
                values = Values("0", record);
                break;
            case '1':
                values = Values("1", record, Browser(kUrl));
                break;
            default:
                values = Values("1", Browser(kUrl), record);
                break;
        }
        EXPECT_FALSE(DecodeSlimSettings(values).messages.empty()) << record;
    }
    // URL of one byte, then a message of three of which only two are there.
    const SlimDecoded truncated = DecodeSlimSettings(Values("0", "00103abc"));
    EXPECT_EQ(truncated.state.browser.url, "a");
    EXPECT_EQ(truncated.state.browser.message, "");
    // A record that ends in the middle of an escape pair.
    const SlimDecoded halfEscape = DecodeSlimSettings(Values("0", "00102a\\"));
    EXPECT_EQ(halfEscape.state.browser.url, "a");
}

}  // namespace
}  // namespace morvik
