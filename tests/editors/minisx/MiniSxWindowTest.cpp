// The MiniSx detailed window against a simulated MiniSx: the smartphone page follows the
// detection choice at once and keeps its contents; the NFC browser settings show in browser mode
// only, the URL holds 184 bytes, and outside browser mode an empty URL writes its NDEF line; a
// read, two edits and a write leave exactly those edits on the terminal; a saved file opens into
// the same values; the lamp and sound windows put each row on its key.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <map>

#include "app/CommandIds.h"
#include "editors/CByteField.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CLampRow.h"
#include "editors/CMiniSXConfigDlg.h"
#include "editors/CMiniSXCustomDlg.h"
#include "editors/CMiniSXFSmartConfigDlg.h"
#include "editors/CMiniSXLampDlg.h"
#include "editors/CMiniSXNFCDlg.h"
#include "editors/CMiniSXSoundDlg.h"
#include "editors/CSoundRow.h"
#include "editors/minisx/MiniSxWindowDriver.h"
#include "res/Strings.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

class MiniSxWindowTest : public test::AppFixture {
  protected:
    CMiniSXCustomDlg* OpenOnSeeded() {
        sim_ = &StartSim("minisx", test::MiniSxSeedArgs(test::EveryMiniSxPage()));
        main_ = &Window(sim_->DevicePath());
        return test::OpenMiniSxDetailed(*main_);
    }

    // Every parameter a read takes, as the simulator stores it.
    std::map<std::string, std::string> State() const {
        std::map<std::string, std::string> state;
        for (int id : MiniSxReadKeyIds()) {
            if (id != MiniSxNdefKeyId()) {
                const std::string key(res::Text(id));
                state[key] = sim_->StateValue(key);
            }
        }
        return state;
    }

    // The NDEF text the simulator holds (its state line "ndef", bytes below 0x20 as %XX).
    std::string StateNdef() const {
        std::ifstream in(sim_->StatePath(), std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (line.starts_with("ndef ")) {
                return line.substr(5);
            }
        }
        return "<none>";
    }

    static void Clear(CByteField* field) {
        QTest::keyClick(field->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field->Widget(), Qt::Key_Delete);
    }

    void WriteAndExpectDone(CMiniSXCustomDlg* window) {
        window->SetCloseAfterWrite(false);
        boxes_.Clear();
        window->WriteButton()->click();
        EXPECT_EQ(test::Messages(boxes_),
                  std::vector<std::string>{"書き込み完了|書き込みが完了し、再起動しました。"});
        EXPECT_TRUE(sim_->WaitForLogLine("reboot"));
    }

    test::SimProcess* sim_ = nullptr;
    CMVKAppDlg* main_ = nullptr;
};

TEST_F(MiniSxWindowTest, DetectionChoiceHidesTheSmartphonePageAtOnceAndKeepsItsContents) {
    CMiniSXCustomDlg* window = OpenOnSeeded();
    ASSERT_NE(window, nullptr);
    window->Tabs()->setCurrentIndex(1);
    CMiniSXConfigDlg* smartphone = window->ConfigPage(1);
    CMiniSXFSmartConfigDlg* detection = window->DetectionPage();
    ASSERT_TRUE(detection->ChoiceButton(SmartphoneChoice::SmartphoneSettings)->isChecked());
    ASSERT_TRUE(smartphone->isVisible());
    CFunctionPageDlg* appli = smartphone->SelectedPage(PhoneGroup::Other);
    test::Type(appli->Field(2), "r");  // 起動パラメータ "p q" → "p qr"

    detection->ChoiceButton(SmartphoneChoice::Basic)->click();
    EXPECT_FALSE(smartphone->isVisible());
    EXPECT_EQ(window->Settings().smartphone.mode, 0);
    detection->ChoiceButton(SmartphoneChoice::SmartphoneSettings)->click();
    EXPECT_TRUE(smartphone->isVisible());
    EXPECT_EQ(window->Settings().smartphone, (MiniSxSmartphoneDetection{2, 2}));
    EXPECT_EQ(smartphone->SelectedPage(PhoneGroup::Other), appli);
    EXPECT_EQ(appli->Field(2)->Text(), "p qr");

    // KelTouch: the tab shows the detection page alone.
    detection->ChoiceButton(SmartphoneChoice::KelTouch)->click();
    EXPECT_TRUE(detection->isVisible());
    EXPECT_FALSE(smartphone->isVisible());
    EXPECT_EQ(window->Settings().smartphone, (MiniSxSmartphoneDetection{2, 1}));
}

TEST_F(MiniSxWindowTest, UrlHolds184BytesAndOutsideBrowserModeAnEmptyUrlStillWritesItsNdefLine) {
    CMiniSXCustomDlg* window = OpenOnSeeded();
    ASSERT_NE(window, nullptr);
    window->Tabs()->setCurrentIndex(2);
    CMiniSXNFCDlg* nfc = window->NfcPage();
    ASSERT_TRUE(nfc->BrowserGroup()->isVisible());
    EXPECT_EQ(nfc->Counter()->text(), QStringLiteral("24 / 184 Bytes"));
    EXPECT_EQ(nfc->QueryList()->currentText(), QStringLiteral("付加する(暗号化しない)"));

    const std::string full = "http://e.jp/" + std::string(184 - 13, 'a') + "?";
    Clear(nfc->UrlField());
    boxes_.Clear();
    test::Type(nfc->UrlField(), full);
    EXPECT_TRUE(test::Messages(boxes_).empty());
    EXPECT_EQ(window->Settings().nfc.url, full);
    EXPECT_EQ(nfc->Counter()->text(), QStringLiteral("184 / 184 Bytes"));
    test::Type(nfc->UrlField(), "b");
    EXPECT_EQ(window->Settings().nfc.url, full);
    EXPECT_EQ(
        test::Messages(boxes_),
        std::vector<std::string>{"エラー|URLの文字数が限界を超えています。半角184文字までです。"});

    Clear(nfc->UrlField());
    for (int mode : {kNfcModeNotDetected, kNfcModeKelTouch}) {
        nfc->ModeButton(mode)->click();
        EXPECT_FALSE(nfc->BrowserGroup()->isVisible()) << mode;
        EXPECT_EQ(window->Settings().nfc.mode, mode);
    }
    ASSERT_TRUE(window->Settings().nfc.url.empty());
    WriteAndExpectDone(window);
    EXPECT_EQ(sim_->StateValue("nfc"), "1");
    EXPECT_EQ(StateNdef(), "");
    const std::vector<std::string> lines = sim_->LogLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("ndef s 1"); }),
              1);
}

TEST_F(MiniSxWindowTest, ReadTwoEditsAndWriteLeaveExactlyThoseOnTheTerminal) {
    CMiniSXCustomDlg* window = OpenOnSeeded();
    ASSERT_NE(window, nullptr);
    std::map<std::string, std::string> expected = State();
    ASSERT_EQ(StateNdef(), "http://nfc.example.jp/a?");
    CByteField* url = window->NfcPage()->UrlField();
    Clear(url);
    test::Type(url, "http://nfc.example.jp/b&");
    test::Type(window->ConfigPage(1)->SelectedPage(PhoneGroup::Other)->Field(2), "r");

    WriteAndExpectDone(window);
    const std::map<std::string, std::string> written = State();
    EXPECT_NE(written.at("psB2").find("p\\sqr"), std::string::npos) << written.at("psB2");
    expected["psB2"] = written.at("psB2");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(StateNdef(), "http://nfc.example.jp/b&");
    EXPECT_EQ(sim_->StateValue("nque"), "1");
    EXPECT_FALSE(main_->Terminal().IsConnected());
}

TEST_F(MiniSxWindowTest, SavedFileOpensIntoTheSameValues) {
    CMiniSXCustomDlg* read = OpenOnSeeded();
    ASSERT_NE(read, nullptr);
    // Values a terminal cannot give back travel in the file as well.
    read->Settings().soundPaths[4] = "/sounds/kel.wav";
    read->Settings().smartphone.Choose(SmartphoneChoice::KelTouch);
    const std::string file = Config().File("minisx.dat");
    read->SaveToFile(QString::fromStdString(file));

    test::AnswerFileDialog(main_, QString::fromStdString(file));
    main_->Action(cmd::kOpenSettingsFile)->trigger();
    ASSERT_EQ(main_->SettingsWindowCount(CMVKAppDlg::Family::MiniSx), 1);
    CMiniSXCustomDlg* opened = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<CMiniSXCustomDlg*>(widget);
        if (candidate != nullptr && candidate != read && candidate->isVisible()) {
            opened = candidate;
        }
    }
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("モルヴィク・ミニSx 詳細設定[minisx.dat]"));
    EXPECT_EQ(opened->Settings(), read->Settings());
    opened->Tabs()->setCurrentIndex(1);
    EXPECT_FALSE(opened->ConfigPage(1)->isVisible());
}

// The box titles above a row: its group (機能実行, KelTouch, 待機) and its power box.
std::string Place(QWidget* label) {
    auto* box = qobject_cast<QGroupBox*>(label->parentWidget());
    auto* group = qobject_cast<QGroupBox*>(box->parentWidget());
    return group->title().toStdString() + "/" + box->title().toStdString() + "/" +
           qobject_cast<QLabel*>(label)->text().toStdString();
}

std::size_t IndexOfKey(std::span<const int> keyIds, const std::string& key) {
    for (std::size_t i = 0; i < keyIds.size(); ++i) {
        if (res::Text(keyIds[i]) == key) {
            return i;
        }
    }
    return keyIds.size();
}

TEST_F(MiniSxWindowTest, LampAndSoundWindowsPutEachRowOnItsKey) {
    CMVKAppDlg& main = Window();
    const std::string ac = "ACアダプタ/モルヴィク・ミニ設定ケーブル利用時";
    const std::string battery = "電池利用時";
    const std::map<std::string, std::string> lampRows = {
        {"機能実行/" + ac + "/成功", "lov1"},      {"機能実行/" + ac + "/失敗", "lnv1"},
        {"機能実行/" + battery + "/成功", "lob1"}, {"機能実行/" + battery + "/失敗", "lnb1"},
        {"KelTouch/" + ac + "/完了", "lov2"},      {"KelTouch/" + battery + "/完了", "lob2"},
        {"待機/" + ac + "/待機", "liv1"},          {"待機/" + battery + "/待機", "lib1"}};
    MiniSxLamps patterns;
    for (std::size_t lamp = 0; lamp < patterns.size(); ++lamp) {
        const bool idle = lamp == 2 || lamp == 5;
        patterns[lamp] = "1" + std::string(idle ? 13 : 10, static_cast<char>('1' + lamp % 7));
    }
    CMiniSXLampDlg lamps(nullptr, main, patterns, MiniSxLampChoices{});
    ASSERT_EQ(lamps.RowCount(), 8);
    for (int i = 0; i < lamps.RowCount(); ++i) {
        const std::string place = Place(lamps.Row(i)->Label());
        ASSERT_TRUE(lampRows.contains(place)) << place;
        const std::size_t lamp = IndexOfKey(kMiniSxLampKeyIds, lampRows.at(place));
        EXPECT_EQ(lamps.Row(i)->Pattern(), patterns[lamp]) << place;
    }
    EXPECT_EQ(lamps.Patterns(), patterns);
    // A change in the KelTouch battery row reaches lob2 alone.
    const std::size_t lob2 = IndexOfKey(kMiniSxLampKeyIds, "lob2");
    test::Choose(lamps.RowOfLamp(lob2)->PatternList(), 1);
    MiniSxLamps changed = lamps.Patterns();
    EXPECT_NE(changed[lob2], patterns[lob2]);
    changed[lob2] = patterns[lob2];
    EXPECT_EQ(changed, patterns);

    const std::map<std::string, std::string> soundRows = {
        {"機能実行/" + ac + "/成功音", "sov1"},      {"機能実行/" + ac + "/失敗音", "snv1"},
        {"機能実行/" + battery + "/成功音", "sob1"}, {"機能実行/" + battery + "/失敗音", "snb1"},
        {"KelTouch/" + ac + "/完了音", "sov2"},      {"KelTouch/" + battery + "/完了音", "sob2"}};
    std::array<std::string, kMiniSxSoundSlots> paths;
    for (std::size_t slot = 0; slot < paths.size(); ++slot) {
        paths[slot] = "/s/" + std::string(res::Text(kMiniSxSoundKeyIds[slot])) + ".wav";
    }
    CMiniSXSoundDlg sounds(nullptr, main, paths, false);
    for (std::size_t slot = 0; slot < paths.size(); ++slot) {
        const std::string place = Place(sounds.RowOfSlot(slot)->Label());
        ASSERT_TRUE(soundRows.contains(place)) << place;
        EXPECT_EQ(sounds.RowOfSlot(slot)->Path().toStdString(),
                  "/s/" + soundRows.at(place) + ".wav");
    }
    sounds.SetStandardSounds();
    const auto standard = sounds.Paths();
    EXPECT_TRUE(standard[4].ends_with("kel_fin.wav")) << standard[4];
    EXPECT_TRUE(standard[5].ends_with("mini_ok.wav")) << standard[5];
    EXPECT_TRUE(standard[3].ends_with("mini_ng.wav")) << standard[3];
}

}  // namespace
}  // namespace morvik
