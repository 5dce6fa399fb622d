// Decoding of the MiniSx additions: every case that adds a message, the fallbacks a bad value
// gets, and the checks before a write.

#include <gtest/gtest.h>

#include "model/MiniSxAdditions.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

std::string T(int id) {
    return res::TextCp932(id);
}

using Messages = std::vector<std::string>;

// One decode: the settings and the messages it adds behind an earlier one.
void ExpectNfc(const char* mode, const char* query, const std::string& ndef,
               const MiniSxNfcSettings& expected, const Messages& added) {
    Messages messages{"earlier"};
    MiniSxNfcSettings nfc = DecodeNfcSettings(mode, query, ndef, messages);
    EXPECT_EQ(nfc, expected) << mode << " " << query << " " << ndef;
    Messages all{"earlier"};
    all.insert(all.end(), added.begin(), added.end());
    EXPECT_EQ(messages, all) << mode << " " << query << " " << ndef;
}

TEST(MiniSxNfcDecode, MessagesAndFallbacks) {
    const std::string url = "http://www.example.jp/nfc?";
    const std::string longUrl = "http://" + std::string(177, 'a') + "/";  // 185 bytes
    const std::string tooLong = res::Format(T(ids::kUrlTooLong), 184);
    // Mode 3: the browser with an encrypted query and no URL, whatever the record holds.
    ExpectNfc("3", "0", url, {2, 2, ""}, {T(ids::kNfcDetectionInvalid)});
    ExpectNfc("-1", "1", url, {2, 2, ""}, {T(ids::kNfcDetectionInvalid)});
    // A mode that is empty (no line in a file) or no number counts as 0, quietly.
    ExpectNfc("", "1", url, {0, 1, url}, {});
    ExpectNfc("x", "1", url, {0, 1, url}, {});
    // Option 01 is a format this tool does not understand: the URL goes, the message only
    // where the browser is used.
    ExpectNfc("2", "1", url + " 01", {2, 1, ""}, {T(ids::kNfcFormatUnreadable)});
    ExpectNfc("0", "1", url + " 01", {0, 1, ""}, {});
    ExpectNfc("2", "1", url + " zz", {2, 1, ""}, {T(ids::kNfcFormatUnreadable)});
    ExpectNfc("2", "1", url + " ", {2, 1, ""}, {T(ids::kNfcFormatUnreadable)});
    // Option zero in any spelling keeps the URL; a third word is ignored.
    ExpectNfc("2", "1", url + " 00", {2, 1, url}, {});
    ExpectNfc("2", "0", url + " 0x0 rest", {2, 0, url}, {});
    // A text without a space is the URL whole.
    ExpectNfc("1", "2", url, {1, 2, url}, {});
    // Query 5: becomes 2, a message only in browser mode.
    ExpectNfc("1", "5", url, {1, 2, url}, {});
    ExpectNfc("2", "5", url, {2, 2, url}, {T(ids::kNfcBrowserQueryInvalid)});
    ExpectNfc("2", "", url, {2, 2, url}, {T(ids::kNfcBrowserQueryInvalid)});
    // URL limits and characters.
    ExpectNfc("2", "0", longUrl, {2, 0, ""}, {tooLong});
    ExpectNfc("0", "0", longUrl, {0, 0, ""}, {});
    ExpectNfc("2", "0", longUrl.substr(1), {2, 0, longUrl.substr(1)}, {});
    ExpectNfc("2", "0", "http://a/[b]", {2, 0, ""}, {T(ids::kUrlInvalidChars)});
    ExpectNfc("1", "0", "http://a/[b]", {1, 0, ""}, {});
    ExpectNfc("2", "0", "", {2, 0, ""}, {});
}

TEST(MiniSxNfcDecode, QueryListOrderIsEncryptedPlainNone) {
    for (int query : {0, 1, 2}) {
        EXPECT_EQ(NfcQueryOfListIndex(NfcQueryListIndex(query)), query);
    }
    EXPECT_EQ(NfcQueryListIndex(kNfcQueryEncrypted), 0);
    EXPECT_EQ(NfcQueryListIndex(kNfcQueryNone), 2);
}

TEST(MiniSxNfcValidate, BrowserModeOnly) {
    const auto check = [](int mode, int query, std::string url) {
        return ValidateNfcSettings({mode, query, std::move(url)});
    };
    EXPECT_EQ(check(2, 0, ""), Messages{T(ids::kUrlEmpty)});
    // Outside browser mode nothing is checked: an empty URL does not block a write.
    EXPECT_TRUE(check(0, 2, "").empty());
    EXPECT_TRUE(check(1, 2, "http://a/[").empty());
    EXPECT_TRUE(check(2, 0, "http://a/b").empty());
    EXPECT_EQ(check(2, 1, "http://a/b"), Messages{T(ids::kUrlQueryEnding)});
    EXPECT_EQ(check(2, 2, "http://a/b"), Messages{T(ids::kUrlQueryEnding)});
    EXPECT_TRUE(check(2, 2, "http://a/b?").empty());
    EXPECT_TRUE(check(2, 1, "http://a/b?c=1&").empty());
    EXPECT_EQ(check(2, 2, "http://a/[?"), Messages{T(ids::kUrlInvalidChars)});
    const std::string fits = "http://" + std::string(176, 'a') + "?";
    ASSERT_EQ(fits.size(), 184u);
    EXPECT_TRUE(check(2, 2, fits).empty());
    EXPECT_EQ(check(2, 2, "a" + fits), Messages{res::Format(T(ids::kUrlTooLong), 184)});
}

TEST(MiniSxNfcWrite, LineCarriesQueryAndUrl) {
    EXPECT_EQ(NdefWriteLine({2, 1, "http://a/?"}), "ndef s 1 http://a/?");
    // Every mode sends the line; an empty URL ends it in the space after the query.
    EXPECT_EQ(NdefWriteLine({0, 2, ""}), "ndef s 2 ");
}

TEST(MiniSxSmartphoneDecode, MessagesAndChoices) {
    struct Case {
        const char* mode;
        const char* variant;
        MiniSxSmartphoneDetection expected;
        SmartphoneChoice choice;
        bool message;
    };
    const Case cases[] = {
        {"0", "2", {0, 2}, SmartphoneChoice::Basic, false},
        {"1", "1", {1, 1}, SmartphoneChoice::Basic, false},
        {"2", "1", {2, 1}, SmartphoneChoice::KelTouch, false},
        {"2", "2", {2, 2}, SmartphoneChoice::SmartphoneSettings, false},
        // Mode 1 with variant 7: no message, the basic settings.
        {"1", "7", {0, 1}, SmartphoneChoice::Basic, false},
        {"2", "7", {0, 1}, SmartphoneChoice::Basic, true},
        {"2", "0", {0, 1}, SmartphoneChoice::Basic, true},
        // Empty or no number counts as 0 without a message.
        {"2", "", {0, 1}, SmartphoneChoice::Basic, false},
        {"", "2", {0, 2}, SmartphoneChoice::Basic, false},
        {"z", "1", {0, 1}, SmartphoneChoice::Basic, false},
        {"3", "2", {0, 1}, SmartphoneChoice::Basic, true},
        {"-2", "2", {0, 1}, SmartphoneChoice::Basic, true},
    };
    for (const Case& c : cases) {
        Messages messages;
        MiniSxSmartphoneDetection d = DecodeSmartphoneDetection(c.mode, c.variant, messages);
        EXPECT_EQ(d, c.expected) << c.mode << "/" << c.variant;
        EXPECT_EQ(d.Choice(), c.choice) << c.mode << "/" << c.variant;
        EXPECT_EQ(messages, c.message ? Messages{T(ids::kSmartphoneDetectionInvalid)} : Messages{})
            << c.mode << "/" << c.variant;
    }
}

TEST(MiniSxSmartphoneChoose, BasicKeepsTheVariant) {
    MiniSxSmartphoneDetection d{2, 2};
    d.Choose(SmartphoneChoice::Basic);
    EXPECT_EQ(d, (MiniSxSmartphoneDetection{0, 2}));
    d.Choose(SmartphoneChoice::KelTouch);
    EXPECT_EQ(d, (MiniSxSmartphoneDetection{2, 1}));
    d.Choose(SmartphoneChoice::SmartphoneSettings);
    EXPECT_EQ(d, (MiniSxSmartphoneDetection{2, 2}));
}

TEST(MiniSxClockCheckDecode, ZeroOrOneElseTheClockResetWarning) {
    Messages messages;
    EXPECT_TRUE(DecodeClockCheck("1", messages));
    EXPECT_FALSE(DecodeClockCheck("0", messages));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(DecodeClockCheck("", messages));
    EXPECT_FALSE(DecodeClockCheck("on", messages));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(DecodeClockCheck("2", messages));
    EXPECT_FALSE(DecodeClockCheck("-1", messages));
    EXPECT_EQ(messages, (Messages{T(ids::kClockCheckInvalid), T(ids::kClockCheckInvalid)}));
}

}  // namespace
}  // namespace morvik
