// What the lamp and sound dialogs edit reaches a terminal: the settings as the dialogs leave
// them, written by the detailed write session to a simulated Mini, are the lamp codes and sound
// keys the terminal then holds.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>

#include "editors/CAttractLampDlg.h"
#include "editors/CLampDlg.h"
#include "editors/CLampRow.h"
#include "editors/CSoundDlg.h"
#include "editors/lamp/ModalDriver.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "support/SimTerminal.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

using DialogWriteTest = test::AppFixture;

TEST_F(DialogWriteTest, EditedLampsAndSoundsLandOnTheTerminal) {
    test::TestWindowHost& host = Host();
    MiniSettings settings;
    MiniLampChoices choices;
    {
        test::ModalDriver<CLampDlg> edit([](CLampDlg& d) {
            d.Row(0)->PatternList()->setCurrentIndex(2);  // 固定2
            d.Row(0)->ColourList()->setCurrentIndex(6);   // 白
            d.Row(5)->PatternList()->setCurrentIndex(3);  // 固定3 (idle)
            d.accept();
        });
        ASSERT_TRUE(RunSetLampDialog(&host.HostWindow(), host, 0, settings, choices));
    }
    {
        test::ModalDriver<CAttractLampDlg> edit([](CAttractLampDlg& d) {
            d.Row(1)->PatternList()->setCurrentIndex(5);  // 固定5
            d.Row(1)->ColourList()->setCurrentIndex(2);   // 緑
            d.accept();
        });
        ASSERT_TRUE(RunGuidanceLampDialog(&host.HostWindow(), host, settings, choices));
    }
    {
        test::ModalDriver<CSoundDlg> edit([](CSoundDlg& d) {
            d.SetStandardSounds();
            d.RegisterCheck()->setChecked(true);
            d.accept();
        });
        ASSERT_TRUE(RunSoundDialog(&host.HostWindow(), host, SoundDialogMode::Set1, settings));
    }

    test::SimTerminal mini;
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession session(mini.Terminal(), settings, false);
    test::SimTerminal::RunToEnd(session);
    ASSERT_TRUE(session.Completed()) << session.ErrorText();
    EXPECT_EQ(session.SoundCount(), 3);

    EXPECT_EQ(mini.Sim().StateValue("lov1"), "1477007700770077007700");
    EXPECT_EQ(mini.Sim().StateValue("lib1"), "8d0000a000000000000000");
    EXPECT_EQ(mini.Sim().StateValue("lpb1"), "0acccccccccc0000000000");
    EXPECT_EQ(mini.Sim().StateValue("lov2"), std::string(22, '0'));
    // mini_ok, mini_ng and kel_fin are the image's entries 0, 1 and 2.
    const std::pair<const char*, const char*> sounds[] = {
        {"sov1", "0"}, {"snv1", "1"}, {"spv1", "255"}, {"sov2", "2"},
        {"sob2", "0"}, {"snb2", "1"}, {"spb2", "255"}};
    for (const auto& [key, value] : sounds) {
        EXPECT_EQ(mini.Sim().StateValue(key), value) << key;
    }
}

}  // namespace
}  // namespace morvik
