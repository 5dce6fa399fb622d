// Reading Mini/MiniS values: which checks end a read, which only warn, in what order, and that a
// failed read leaves the settings alone.

#include <gtest/gtest.h>

#include "files/MiniFamilySettingsFile.h"
#include "model/Cp932.h"
#include "model/settings/MiniSettingsGen.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

using test::MiniSettingsGen;

std::string Msg(int id) {
    return res::TextCp932(id);
}

// The values a file of model holds, by key.
MiniValues ValuesOf(const MiniSettings& model) {
    return MiniSettingsFileValues(MiniSettingsFileText(model) + "\r\n");
}

MiniSettings SomeModel(unsigned seed = 5) {
    MiniSettingsGen gen(seed);
    return gen.Any();
}

TEST(MiniSettingsRead, TerminalSettingsChecksEndTheReadInTheirOrder) {
    const MiniSettings model = SomeModel();
    struct Case {
        std::vector<std::pair<std::string, std::string>> changes;
        int message;
    };
    const std::vector<Case> cases = {
        {{{"rslt", ""}}, 317},
        {{{"rslt", "x"}, {"pow", "1"}}, 317},  // rslt is checked first
        {{{"tlog", "a"}, {"fchg", "a"}}, 318},
        {{{"fchg", "a"}, {"rtcc", "?"}}, 319},
        {{{"rtcc", "?"}, {"pow", "1"}}, 327},
        {{{"pow", "1"}}, 320},
        {{{"pow", ""}}, 320},
    };
    for (const Case& c : cases) {
        MiniValues values = ValuesOf(model);
        for (const auto& [key, value] : c.changes) {
            values[key] = value;
        }
        MiniSettings settings = SomeModel(77);
        const MiniSettings before = settings;
        MiniReadResult read = ReadMiniSettings(values, MiniValueSource::File, settings);
        EXPECT_EQ(read.error, Msg(c.message)) << c.changes.front().first;
        EXPECT_TRUE(read.warnings.empty());
        EXPECT_EQ(settings, before) << "a failed read must not change the settings";
    }
}

TEST(MiniSettingsRead, AFailureReplyEndsTheRead) {
    for (std::string key : {"psA1", "lnv1", "spb2", "isc"}) {
        for (std::string reply : {"error", "noreply", "csumerror"}) {
            MiniValues values = ValuesOf(SomeModel());
            values[key] = reply;
            MiniSettings settings;
            MiniReadResult read = ReadMiniSettings(values, MiniValueSource::Terminal, settings);
            EXPECT_EQ(read.error, Msg(904)) << key << " " << reply;
            EXPECT_EQ(settings, MiniSettings());
        }
    }
}

TEST(MiniSettingsRead, WarningsComeInReadOrderAndKeepEverythingElse) {
    const MiniSettings model = SomeModel(11);
    MiniValues values = ValuesOf(model);
    values["pnt"] = "2";                        // 183
    values["pntT"] = "0900250005";              // end hour 25: 185
    values["psB1"] = "00000";                   // browser without URL: 918
    values["que2"] = "6";                       // docomo encrypt without append: 961
    values["lib2"] = "0000000000000000000";     // too short: set 2 fails
    values["lpv1"] = "ff00000000000000000000";  // 127 steps: guidance fails
    values["isc"] = PackAuthCode("12345");      // five digits: 215

    MiniSettings settings;
    MiniReadResult read = ReadMiniSettings(values, MiniValueSource::Terminal, settings);
    ASSERT_FALSE(read.Failed()) << read.error;
    const std::string rows = test::Sjis(
        "設定2(電池利用時 待機), 定期誘導設定(設定1 "
        "ACアダプタ/モルヴィク・ミニ設定ケーブル利用時)");
    EXPECT_EQ(read.warnings,
              (std::vector<std::string>{Msg(183), Msg(185), Msg(918), Msg(961),
                                        res::Format(Msg(388), rows.c_str()), Msg(215)}));
    // What could be taken was taken; only the damaged lamp rows are empty.
    EXPECT_EQ(settings.lamps.sets[0], model.lamps.sets[0]);
    auto set2 = model.lamps.sets[1];
    set2[5] = "";
    EXPECT_EQ(settings.lamps.sets[1], set2);
    auto guidance = model.lamps.guidance;
    guidance[0] = "";
    EXPECT_EQ(settings.lamps.guidance, guidance);
    EXPECT_EQ(settings.guidance.startHour, 9);
    EXPECT_EQ(settings.guidance.endHour, MiniSettings().guidance.endHour);
    EXPECT_EQ(settings.guidance.interval, 5);
    EXPECT_EQ(settings.sets[0].docomo, model.sets[0].docomo);
    EXPECT_EQ(settings.sets[0].other.browser.url, "");
    EXPECT_EQ(settings.terminal.authCode, "");
    EXPECT_EQ(settings.terminal.touchLog, model.terminal.touchLog);
}

TEST(MiniSettingsRead, AnUnreadableRecordWarnsFromATerminalAndFailsAFile) {
    const MiniSettings model = SomeModel(3);
    MiniValues values = ValuesOf(model);
    values["psA2"] = "20000000000";  // a mailer: no function of the docomo group

    MiniSettings fromTerminal;
    fromTerminal.sets[1].docomo.browser.url = "http://before/";
    MiniReadResult read = ReadMiniSettings(values, MiniValueSource::Terminal, fromTerminal);
    ASSERT_FALSE(read.Failed());
    EXPECT_EQ(read.warnings, std::vector<std::string>{Msg(911)});
    // The group keeps what it showed before.
    EXPECT_EQ(fromTerminal.sets[1].docomo.selected, RecordKind::Browser);
    EXPECT_EQ(fromTerminal.sets[1].docomo.browser.url, "http://before/");
    EXPECT_EQ(fromTerminal.sets[1].other, model.sets[1].other);

    MiniSettings fromFile = model;
    read = ReadMiniSettings(values, MiniValueSource::File, fromFile);
    EXPECT_EQ(read.error, Msg(914));
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_EQ(fromFile, model);
}

TEST(MiniSettingsRead, OnlyAFileCarriesTheSoundListAndTorucaIdentifiers) {
    MiniSettings model = SomeModel(21);
    model.soundPaths[4] = "C:\\wav\\a b.wav";
    model.registerSounds = true;
    TorucaRecord toruca;
    toruca.detailUrl = "http://t/";
    toruca.categoryIcon = "1F";
    model.sets[0].docomo.Select(toruca);
    MiniValues values = ValuesOf(model);
    values["psA1-kanaID"] = test::Sjis("イウ");
    values["psA1-reID"] = "7";

    MiniSettings fromFile;
    ASSERT_FALSE(ReadMiniSettings(values, MiniValueSource::File, fromFile).Failed());
    EXPECT_EQ(fromFile.soundPaths, model.soundPaths);
    EXPECT_TRUE(fromFile.registerSounds);
    EXPECT_EQ(fromFile.sets[0].docomo.toruca.kanaId, test::Sjis("イウ"));
    EXPECT_EQ(fromFile.sets[0].docomo.toruca.redistributionId, "7");

    MiniSettings fromTerminal;
    fromTerminal.soundPaths[0] = "kept.wav";
    ASSERT_FALSE(ReadMiniSettings(values, MiniValueSource::Terminal, fromTerminal).Failed());
    EXPECT_EQ(fromTerminal.soundPaths[0], "kept.wav");
    EXPECT_EQ(fromTerminal.soundPaths[4], "");
    EXPECT_FALSE(fromTerminal.registerSounds);
    EXPECT_EQ(fromTerminal.sets[0].docomo.toruca.kanaId, "");
}

TEST(MiniSettingsRead, MissingKeysReadAsEmptyValues) {
    // Nothing but the terminal settings: the read goes through with the warnings of every
    // empty value that has a check (an absent authentication code is no fault).
    MiniValues values = {{"rslt", "1"}, {"fchg", "0"}, {"tlog", "0"}, {"pow", "3"}, {"rtcc", "0"}};
    MiniSettings settings;
    MiniReadResult read = ReadMiniSettings(values, MiniValueSource::Terminal, settings);
    ASSERT_FALSE(read.Failed());
    ASSERT_EQ(read.warnings.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(read.warnings.begin(), read.warnings.end() - 1),
              (std::vector<std::string>{Msg(183), Msg(184), Msg(185), Msg(186), Msg(911), Msg(911),
                                        Msg(911), Msg(911)}));
    // Every lamp row is named, from the first of set 1 to the last of the guidance.
    const std::string lamps = Cp932ToUtf8(read.warnings.back());
    EXPECT_TRUE(lamps.starts_with("設定1(ACアダプタ/モルヴィク・ミニ設定ケーブル利用時 成功), "))
        << lamps;
    EXPECT_TRUE(lamps.ends_with(", 定期誘導設定(設定2 電池利用時)" +
                                Cp932ToUtf8(res::Format(Msg(388), ""))))
        << lamps;
    EXPECT_EQ(settings.terminal.operationMode, 1);  // 常にエコモード
    EXPECT_TRUE(settings.terminal.cardDetection == 1);
}

}  // namespace
}  // namespace morvik
