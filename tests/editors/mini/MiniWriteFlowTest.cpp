// Writing from the Mini/MiniS windows against a simulated Mini: a changed value reaches the
// terminal and nothing else changes; faults are shown together and nothing is sent; a write the
// terminal refuses half-way leaves the window as it was and the terminal restarted with
// "reboot s"; the easy window writes one browser launch everywhere.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <map>

#include "editors/CByteField.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "editors/CTermConfigDlg.h"
#include "editors/mini/SeededMiniFixture.h"
#include "files/MiniFamilySettingsFile.h"
#include "model/MiniSettings.h"
#include "res/Strings.h"
#include "support/Files.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

using test::AppFixture;

class MiniWriteFlowTest : public test::SeededMiniFixture {
  protected:
    // Every key a read takes, as the simulator stores it.
    std::map<std::string, std::string> State() const {
        std::map<std::string, std::string> state;
        for (int id : MiniReadKeyIds()) {
            const std::string key(res::Text(id));
            state[key] = sim_->StateValue(key);
        }
        return state;
    }
    std::size_t LogSize() const { return sim_->LogLines().size(); }
};

TEST_F(MiniWriteFlowTest, AChangeInSet2ReachesTheTerminalAndNothingElseChanges) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    window->SetCloseAfterWrite(false);
    std::map<std::string, std::string> expected = State();
    CFunctionPageDlg* appli = window->SetPage(1)->SelectedPage(PhoneGroup::Other);
    test::Type(appli->Field(2), "r");  // 起動パラメータ "p q" → "p qr"
    boxes_.Clear();
    window->WriteButton()->click();
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{"書き込み完了|書き込みが完了し、再起動しました。"});
    EXPECT_TRUE(sim_->WaitForLogLine("reboot"));
    const std::map<std::string, std::string> written = State();
    EXPECT_NE(written.at("psB2"), expected.at("psB2"));
    EXPECT_NE(written.at("psB2").find("p\\sqr"), std::string::npos) << written.at("psB2");
    expected["psB2"] = written.at("psB2");
    EXPECT_EQ(written, expected);
    EXPECT_FALSE(main_->Terminal().IsConnected());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(MiniWriteFlowTest, FaultsOfBothKindsShowInOneBoxAndNothingIsSent) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    CMiniConfigDlg* set1 = window->SetPage(0);
    // Set 1: the browser URL emptied, the mailer's To emptied and its subject past what a
    // terminal takes; the authentication code not a number.
    CFunctionPageDlg* browser = set1->SelectedPage(PhoneGroup::Docomo);
    QTest::keyClick(browser->Field(0)->Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(browser->Field(0)->Widget(), Qt::Key_Delete);
    CFunctionPageDlg* mailer = set1->SelectedPage(PhoneGroup::Other);
    QTest::keyClick(mailer->Field(0)->Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(mailer->Field(0)->Widget(), Qt::Key_Delete);
    mailer->Field(2)->SetText("\t");
    emit mailer->Field(2)->Edited();
    window->TermPage()->AuthCode()->setText(QStringLiteral("12a4"));
    emit window->TermPage()->AuthCode()->textEdited(QStringLiteral("12a4"));
    ASSERT_EQ(window->Settings().terminal.authCode, "12a4");

    const std::size_t logged = LogSize();
    boxes_.Clear();
    window->WriteButton()->click();
    ASSERT_EQ(test::Messages(boxes_).size(), 1u);
    const std::string box = test::Messages(boxes_)[0];
    // Each line says where its fault is.
    EXPECT_TRUE(box.starts_with("エラー|設定1 / docomo設定: URLが設定されていません。")) << box;
    EXPECT_NE(box.find("\n設定1 / au/SoftBank/WILLCOM設定: 宛先(To)が設定されていません。"),
              std::string::npos)
        << box;
    EXPECT_EQ(std::count(box.begin(), box.end(), '\n'), 3) << box;
    EXPECT_TRUE(box.ends_with("\n本体設定: 認証コードの設定値が不正です。")) << box;
    EXPECT_EQ(LogSize(), logged) << "nothing reached the terminal";
}

TEST_F(MiniWriteFlowTest, AWriteRefusedHalfWayLeavesTheWindowAndRestartsTheTerminal) {
    CMiniCustomDlg* window = OpenOnSeededMini({"--fault", "bad-token=lnv1"});
    ASSERT_NE(window, nullptr);
    test::Type(window->SetPage(1)->SelectedPage(PhoneGroup::Other)->Field(2), "r");
    const MiniSettings before = window->Settings();
    boxes_.Clear();
    window->WriteButton()->click();
    ASSERT_EQ(test::Messages(boxes_).size(), 1u);
    EXPECT_EQ(test::Messages(boxes_)[0],
              "エラー|" + std::string(res::Text(res::ids::kWriteChecksumError)) + "(463)");
    EXPECT_EQ(window->Settings(), before);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->WriteButton()->isEnabled());
    // "reboot s" came after the refused value, before the port was given up.
    ASSERT_TRUE(sim_->WaitForLogLine("reboot s"));
    const std::vector<std::string> lines = sim_->LogLines();
    const auto refused = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& line) {
        return line.starts_with("pset lnv1 ");
    });
    ASSERT_NE(refused, lines.rend());
    EXPECT_NE(std::find(lines.rbegin(), refused, "reboot s"), refused);
    EXPECT_FALSE(main_->Terminal().IsConnected());
}

TEST_F(MiniWriteFlowTest, EasyWriteSendsOneBrowserLaunchWithoutAMessageEverywhere) {
    sim_ = &StartSim("mini");
    main_ = &Window(sim_->DevicePath());
    auto* easy = new CMiniEasyDlg(*main_);
    easy->SetCloseAfterWrite(true);
    easy->show();
    QPointer<CMiniEasyDlg> alive(easy);
    EXPECT_TRUE(easy->ClockBox()->isChecked());
    test::Type(easy->UrlField(), "http://e.jp/");
    EXPECT_EQ(easy->Counter()->text(), QStringLiteral("12 / 184 Bytes"));
    easy->ClockBox()->setChecked(false);
    boxes_.Clear();
    easy->WriteButton()->click();
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{"書き込み完了|書き込みが完了し、再起動しました。"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull()) << "closed after the write";
    ASSERT_TRUE(sim_->WaitForLogLine("reboot"));
    for (const char* key : {"psA1", "psB1", "psA2", "psB2"}) {
        EXPECT_EQ(sim_->StateValue(key), "00c00http://e.jp/") << key;
    }
    EXPECT_EQ(sim_->StateValue("que1"), "0");
    EXPECT_EQ(sim_->StateValue("que2"), "0");
    const std::vector<std::string> lines = sim_->LogLines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.starts_with("rtc s"); }),
              0);
}

TEST_F(MiniWriteFlowTest, AFileWithOneBadLampCodeWritesTheGoodLampsBackUnchanged) {
    sim_ = &StartSim("mini");
    main_ = &Window(sim_->DevicePath());
    // Set 1 holds two lit lamps; its battery success lamp is damaged in the file.
    std::string text = MiniSettingsFileText(test::EveryRecordKind());
    auto valueOf = [&text](const std::string& key) {
        const std::size_t start = text.find("\r\n" + key + " ") + key.size() + 3;
        return text.substr(start, text.find("\r\n", start) - start);
    };
    const std::string lob1 = valueOf("lob1");
    text.replace(text.find("\r\nlob1 " + lob1) + 7, lob1.size(), "1511111111111111111111");
    const std::string path = Config().File("bad-lamp.dat");
    test::WriteWholeFile(path, text);

    auto* window = new CMiniCustomDlg(*main_);
    const CMiniDetailFrameDlg::ReadOutcome read = window->Read(ReadAnySettingsFile(path));
    ASSERT_TRUE(read.loaded);
    EXPECT_EQ(read.message.toStdString(),
              "設定1(電池利用時 成功)のランプ設定に不正な設定値がありました。"
              "ランプ設定画面を確認し、再度設定して下さい。");
    EXPECT_EQ(window->Settings().lamps.sets[0][0], test::EveryRecordKind().lamps.sets[0][0]);
    EXPECT_EQ(window->Settings().lamps.sets[0][3], "");
    boxes_.Clear();
    window->WriteButton()->click();
    ASSERT_EQ(test::Messages(boxes_),
              std::vector<std::string>{"書き込み完了|書き込みが完了し、再起動しました。"});
    for (const char* key : {"lov1", "lnv1", "liv1", "lnb1", "lib1", "lov2", "lnv2", "lpb2"}) {
        EXPECT_EQ(sim_->StateValue(key), valueOf(key)) << key;
    }
    EXPECT_NE(sim_->StateValue("lob1"), "1511111111111111111111");
}

}  // namespace
}  // namespace morvik
