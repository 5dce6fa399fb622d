// The Mini/MiniS parameter catalogue and the terminal settings page's values.

#include <gtest/gtest.h>

#include <set>

#include "model/MiniCatalogue.h"
#include "model/MiniCatalogueSettings.h"
#include "model/Pack.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using Lines = std::vector<std::string>;

TEST(MiniCatalogue, KeysAndWriteErrorCodes) {
    struct Expected {
        const char* key;
        const char* code;
    };
    for (auto [key, code] :
         {Expected{"psA1", "(413)"}, Expected{"psB2", "(416)"}, Expected{"que2", "(499)"},
          Expected{"sov1", "(450)"}, Expected{"spb2", "(461)"}, Expected{"lnv1", "(463)"},
          Expected{"lib2", "(473)"}, Expected{"lpb2", "(477)"}, Expected{"pnt", "(480)"},
          Expected{"pntT", "(481)"}, Expected{"rslt", "(420)"}, Expected{"tlog", "(423)"},
          Expected{"isc", "(425)"}, Expected{"rtcc", "(426)"}}) {
        const MiniParameter* p = FindMiniParameter(key);
        ASSERT_NE(p, nullptr) << key;
        EXPECT_EQ(MiniKeyText(*p), key);
        EXPECT_EQ(MiniWriteErrorCode(*p), code) << key;
    }
    // Settings-file-only keys are never sent, so they have no code.
    for (const char* key : {"psA1-kanaID", "psA2-colorID", "spb2path", "sound_regist"}) {
        const MiniParameter* p = FindMiniParameter(key);
        ASSERT_NE(p, nullptr) << key;
        EXPECT_EQ(p->editor, MiniEditor::SettingsFileOnly);
        EXPECT_EQ(MiniWriteErrorCode(*p), "");
    }
    EXPECT_EQ(FindMiniParameter("psh1"), nullptr);  // a Slim key
    EXPECT_EQ(FindMiniParameter("psA"), nullptr);
}

TEST(MiniCatalogue, EveryKeyAndCodeIsDistinct) {
    std::set<std::string> keys;
    std::set<std::string> codes;
    for (const MiniParameter& p : MiniCatalogue()) {
        std::string key = MiniKeyText(p);
        EXPECT_FALSE(key.empty()) << p.keyId;
        EXPECT_TRUE(keys.insert(key).second) << key;
        if (p.codeId != 0) {
            std::string code = MiniWriteErrorCode(p);
            EXPECT_EQ(code.size(), 5u) << key;
            EXPECT_TRUE(codes.insert(code).second) << key;
        }
        EXPECT_EQ(FindMiniParameterById(p.keyId), &p);
    }
    // 4 records, 2 query flags, 6 Toruca extras, 12 sounds, 12 paths, sound_regist, 16 lamps,
    // 2 periodic guidance values and 6 terminal settings.
    EXPECT_EQ(keys.size(), 61u);
}

MiniTerminalValues GoodValues() {
    return {"1", "2", "0", "3", PackBase64("1234"), "1"};
}

TEST(MiniTerminalSettings, DecodeMapsListsAndBoxes) {
    MiniTerminalSettings s;
    MiniTerminalRead r = DecodeMiniTerminalSettings(GoodValues(), s);
    EXPECT_TRUE(r.error.empty());
    EXPECT_TRUE(r.warnings.empty());
    EXPECT_EQ(s, (MiniTerminalSettings{1, 2, false, 1, "1234", true}));

    MiniTerminalValues v = GoodValues();
    v.pow = "0";   // 常に常時起動, the third entry
    v.rtcc = "5";  // any non-zero value checks the box
    DecodeMiniTerminalSettings(v, s);
    EXPECT_EQ(s.operationMode, 2);
    EXPECT_TRUE(s.clockCheck);
    EXPECT_EQ(OperationModeValue(0), 2);
    EXPECT_EQ(OperationModeIndex(3), 1);
    EXPECT_EQ(OperationModeIndex(1), -1);
}

TEST(MiniTerminalSettings, ReadChecksAndTheirOrder) {
    auto errorOf = [](MiniTerminalValues v) {
        MiniTerminalSettings s;
        MiniTerminalSettings before = s;
        MiniTerminalRead r = DecodeMiniTerminalSettings(v, s);
        EXPECT_EQ(s, before);  // a failed read changes nothing
        return r.error;
    };
    MiniTerminalValues v = GoodValues();
    v.pow = "1";
    EXPECT_EQ(errorOf(v), res::TextCp932(ids::kOperationModeInvalid));
    v.pow = "";
    EXPECT_EQ(errorOf(v), res::TextCp932(ids::kOperationModeInvalid));
    v.fchg = "a";
    EXPECT_EQ(errorOf(v), res::TextCp932(ids::kSettingSwitchInvalid));
    v.tlog = "";
    EXPECT_EQ(errorOf(v), res::TextCp932(ids::kTouchLogInvalid));
    v.rslt = "";  // a settings file without the rslt line
    EXPECT_EQ(errorOf(v), res::TextCp932(ids::kCardDetectionInvalid));

    v = GoodValues();
    v.rtcc = "x";
    EXPECT_EQ(errorOf(v), res::TextCp932(ids::kClockCheckInvalid));
}

// A number outside the lists of rslt and fchg is read, kept and written back as it was.
TEST(MiniTerminalSettings, ListValuesOutsideTheListsAreKept) {
    MiniTerminalValues v = GoodValues();
    v.rslt = "2";
    v.fchg = "3";
    MiniTerminalSettings s;
    EXPECT_TRUE(DecodeMiniTerminalSettings(v, s).error.empty());
    EXPECT_EQ(s.cardDetection, 2);
    EXPECT_EQ(s.settingSwitch, 3);
    const auto written = EncodeMiniTerminalSettings(s);
    EXPECT_EQ(written.at(0), std::make_pair(ids::kKeyRslt, std::string("2")));
    EXPECT_EQ(written.at(1), std::make_pair(ids::kKeyFchg, std::string("3")));
}

TEST(MiniTerminalSettings, AuthenticationCode) {
    MiniTerminalSettings s;
    s.authCode = "9999";
    MiniTerminalValues v = GoodValues();
    v.isc = PackBase64("12345");  // five digits
    MiniTerminalRead r = DecodeMiniTerminalSettings(v, s);
    EXPECT_TRUE(r.error.empty());
    EXPECT_EQ(r.warnings, (Lines{res::TextCp932(ids::kAuthCodeInvalid) + "\r\n"}));
    EXPECT_EQ(s.authCode, "");
    EXPECT_EQ(s.settingSwitch, 2);  // the other values are still taken

    // No code at all (never set, or saved empty) is no fault; damaged data still is.
    for (const std::string& none : {std::string(), PackAuthCode("")}) {
        s.authCode = "9999";
        v.isc = none;
        r = DecodeMiniTerminalSettings(v, s);
        EXPECT_TRUE(r.warnings.empty());
        EXPECT_EQ(s.authCode, "");
    }
    v.isc = PackAuthCode("").substr(0, 6);
    EXPECT_EQ(DecodeMiniTerminalSettings(v, s).warnings.size(), 1u);

    EXPECT_EQ(UnpackAuthCode(PackAuthCode("0a9F")), "0a9F");
    EXPECT_FALSE(UnpackAuthCode("1234").has_value());  // not packed
    EXPECT_FALSE(UnpackAuthCode(PackBase64("12g4")).has_value());
    EXPECT_FALSE(UnpackAuthCode("").has_value());
    EXPECT_NE(PackAuthCode("1234").find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(PadAuthCode("12"), "0012");
    EXPECT_EQ(PadAuthCode("1234"), "1234");

    EXPECT_TRUE(ValidateAuthCode("").empty());
    EXPECT_TRUE(ValidateAuthCode("0042").empty());
    EXPECT_EQ(ValidateAuthCode("12a4"), (Lines{res::TextCp932(ids::kAuthCodeInvalid)}));
    EXPECT_EQ(ValidateAuthCode("123"), (Lines{res::TextCp932(ids::kAuthCodeLengthInvalid)}));
    EXPECT_EQ(ValidateAuthCode("1x"), (Lines{res::TextCp932(ids::kAuthCodeInvalid),
                                             res::TextCp932(ids::kAuthCodeLengthInvalid)}));
}

TEST(MiniTerminalSettings, EncodeInWriteOrder) {
    MiniTerminalSettings s{1, 2, true, 2, "", false};
    using Pairs = std::vector<std::pair<int, std::string>>;
    // An empty code writes nothing for isc.
    EXPECT_EQ(EncodeMiniTerminalSettings(s), (Pairs{{ids::kKeyRslt, "1"},
                                                    {ids::kKeyFchg, "2"},
                                                    {ids::kKeyTlog, "1"},
                                                    {ids::kKeyPow, "0"},
                                                    {ids::kKeyRtcc, "0"}}));
    s.authCode = "0042";
    EXPECT_EQ(EncodeMiniTerminalSettings(s)[4],
              (std::pair<int, std::string>{ids::kKeyIsc, "0042"}));
}

}  // namespace
}  // namespace morvik
