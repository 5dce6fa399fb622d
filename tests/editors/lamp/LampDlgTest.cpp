// The set lamp dialog, the periodic guidance lamp dialog and the user pattern editor, offscreen.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "editors/CAttractLampDlg.h"
#include "editors/CLampCustomDlg.h"
#include "editors/CLampDlg.h"
#include "editors/CLampPreview.h"
#include "editors/CLampRow.h"
#include "editors/MiniSetDialogs.h"
#include "editors/lamp/ModalDriver.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

constexpr int kFixed2 = 2;
constexpr int kFixed5 = 5;
constexpr int kUser1 = 7;
constexpr int kOff = 10;
constexpr int kWhite = 6;

using LampDlgTest = test::AppFixture;

std::string Result(const CLampRow& row) {
    return row.ResultField()->text().toStdString();
}

TEST_F(LampDlgTest, FixedPatternTakesTheColourAndNoLightDisablesIt) {
    test::TestWindowHost& host = Host();
    CLampDlg dialog(&host.HostWindow(), host, 0, LampSetPatterns{}, {});
    CLampRow& acSuccess = *dialog.Row(0);
    EXPECT_FALSE(acSuccess.ColourList()->isEnabled());

    acSuccess.PatternList()->setCurrentIndex(kFixed2);
    EXPECT_TRUE(acSuccess.ColourList()->isEnabled());
    EXPECT_EQ(Result(acSuccess), "811001100110011001100");
    acSuccess.ColourList()->setCurrentIndex(kWhite);
    EXPECT_EQ(Result(acSuccess), "877007700770077007700");
    // The preview plays the same pattern: all eight lamps white at step 0, dark at step 2.
    const LampTimeline& shown = acSuccess.Preview()->Timeline();
    EXPECT_EQ(shown.stepMs, 100);
    EXPECT_EQ(LampDigitAt(shown, 7, 0), 7);
    EXPECT_EQ(LampDigitAt(shown, 7, 2), 0);

    acSuccess.PatternList()->setCurrentIndex(kOff);
    EXPECT_EQ(Result(acSuccess), "");
    EXPECT_FALSE(acSuccess.ColourList()->isEnabled());
    EXPECT_EQ(acSuccess.Preview()->Timeline().Length(), 0);
    EXPECT_EQ(dialog.Patterns()[0], "");
    EXPECT_EQ(dialog.Choices()[0], (LampRowChoice{kWhite, kOff}));
    // The idle rows offer the idle list (no 固定5, 固定6).
    EXPECT_EQ(dialog.Row(5)->PatternList()->count(), 9);
    EXPECT_EQ(dialog.Row(4)->PatternList()->count(), 11);
}

TEST_F(LampDlgTest, OnlySet2ShowsTheKelTouchNote) {
    test::TestWindowHost& host = Host();
    CLampDlg set1(&host.HostWindow(), host, 0, LampSetPatterns{}, {});
    CLampDlg set2(&host.HostWindow(), host, 1, LampSetPatterns{}, {});
    EXPECT_EQ(set1.windowTitle(), QStringLiteral("ランプ(設定1)"));
    EXPECT_EQ(set2.windowTitle(), QStringLiteral("ランプ(設定2)"));
    EXPECT_EQ(set1.Row(0)->Label()->text(), QStringLiteral("成功"));
    EXPECT_EQ(set2.Row(0)->Label()->text(), QStringLiteral("成功 ※"));
    EXPECT_TRUE(set1.Note()->text().isEmpty());
    EXPECT_EQ(set2.Note()->text(),
              QStringLiteral(
                  "※ KelTouch完了ランプパターンは設定2の成功ランプパターンと共通です。(ミニS)"));
}

// A row on ユーザ設定パターン1 shows the stored pattern until the user patterns are edited; the
// editor's キャンセル changes nothing, its OK rebuilds the row and keeps the pattern.
TEST_F(LampDlgTest, EditedUserPatternReachesItsRowAfterOkOnly) {
    test::TestWindowHost& host = Host();
    ASSERT_TRUE(host.Prefs().WriteUserLamp(1, "1111"));
    LampSetPatterns stored{};
    stored[1] = "8777";
    std::array<LampRowChoice, kLampRowsPerSet> choices{};
    choices[1] = LampRowChoice{0, kUser1};
    stored[3] = "1234";
    CLampDlg dialog(&host.HostWindow(), host, 0, stored, choices);
    EXPECT_EQ(Result(*dialog.Row(1)), "8777");

    {
        test::ModalDriver<CLampCustomDlg> edit([](CLampCustomDlg& editor) {
            EXPECT_EQ(editor.Field(0)->text(), QStringLiteral("1111"));
            editor.Field(0)->setText(QStringLiteral("8222"));
            editor.reject();
        });
        dialog.EditUserPatterns();
        ASSERT_TRUE(edit.Ran());
    }
    EXPECT_EQ(Result(*dialog.Row(1)), "8777");
    EXPECT_EQ(host.Prefs().ReadUserLamp(1), "1111");

    {
        test::ModalDriver<CLampCustomDlg> edit([](CLampCustomDlg& editor) {
            editor.Field(0)->setText(QStringLiteral("8222"));
            editor.accept();
        });
        dialog.EditUserPatterns();
        ASSERT_TRUE(edit.Ran());
    }
    EXPECT_EQ(Result(*dialog.Row(1)), "8222");
    EXPECT_EQ(Result(*dialog.Row(3)), "1234");  // on 変更しない: stays as it opened
    EXPECT_EQ(host.Prefs().ReadUserLamp(1), "8222");
}

TEST_F(LampDlgTest, MalformedUserPatternIsRefusedAndTheEditorStaysOpen) {
    test::TestWindowHost& host = Host();
    CLampCustomDlg editor(&host.HostWindow(), host, UserLampPatterns{});
    editor.show();
    editor.Field(0)->setText(QStringLiteral("8123"));
    editor.Field(1)->setText(QStringLiteral("9123"));
    editor.accept();
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{
                                  "エラー|不正なフォーマットのデータがあります。ご確認ください。"});
    EXPECT_TRUE(editor.isVisible());
    EXPECT_NE(editor.result(), QDialog::Accepted);
    EXPECT_EQ(host.Prefs().ReadUserLamp(1), "");
    EXPECT_EQ(editor.Field(1)->text(), QStringLiteral("9123"));

    editor.Field(1)->setText(QStringLiteral("8"));
    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(host.Prefs().ReadUserLamp(1), "8123");
    EXPECT_EQ(host.Prefs().ReadUserLamp(2), "8");
}

// Through the contract the detailed window calls: OK stores patterns and selections, キャンセル
// leaves the settings as they were.
TEST_F(LampDlgTest, DialogsStoreOnOkAndDiscardOnCancel) {
    test::TestWindowHost& host = Host();
    MiniSettings settings;
    settings.lamps.sets[1][0] = "8111";
    MiniLampChoices choices;
    const MiniSettings before = settings;
    auto pickFixed2 = [](CLampDlg& dialog) {
        dialog.Row(0)->PatternList()->setCurrentIndex(kFixed2);
    };
    {
        test::ModalDriver<CLampDlg> cancel([&](CLampDlg& d) {
            pickFixed2(d);
            d.reject();
        });
        EXPECT_FALSE(RunSetLampDialog(&host.HostWindow(), host, 1, settings, choices));
    }
    EXPECT_EQ(settings, before);
    EXPECT_EQ(choices, MiniLampChoices{});
    {
        test::ModalDriver<CLampDlg> ok([&](CLampDlg& d) {
            pickFixed2(d);
            d.accept();
        });
        EXPECT_TRUE(RunSetLampDialog(&host.HostWindow(), host, 1, settings, choices));
    }
    EXPECT_EQ(settings.lamps.sets[1][0], "811001100110011001100");
    EXPECT_EQ(settings.lamps.sets[0], before.lamps.sets[0]);
    EXPECT_EQ(choices.sets[1][0], (LampRowChoice{0, kFixed2}));

    {
        test::ModalDriver<CAttractLampDlg> ok([](CAttractLampDlg& d) {
            ASSERT_EQ(d.RowCount(), 4);
            EXPECT_EQ(d.Row(3)->PatternList()->count(), 11);
            d.Row(3)->PatternList()->setCurrentIndex(kFixed5);
            d.Row(3)->ColourList()->setCurrentIndex(2);  // 緑
            d.accept();
        });
        EXPECT_TRUE(RunGuidanceLampDialog(&host.HostWindow(), host, settings, choices));
    }
    EXPECT_EQ(settings.lamps.guidance, (GuidanceLampPatterns{"", "", "", "13333333333"}));
    EXPECT_EQ(choices.guidance[3], (LampRowChoice{2, kFixed5}));
}

}  // namespace
}  // namespace morvik
