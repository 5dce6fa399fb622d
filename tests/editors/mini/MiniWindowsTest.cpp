// The Mini/MiniS detailed window against a simulated Mini: what a read shows on every page, the
// buttons that follow the counters, the copy between sets, a Toruca file, a settings file saved
// and opened again, the window limit, the keyboard, and Qt's own texts in Japanese.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "app/CommandIds.h"
#include "app/QtTranslations.h"
#include "editors/CAttractDlg.h"
#include "editors/CByteField.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CTermConfigDlg.h"
#include "editors/mini/SeededMiniFixture.h"
#include "sessions/mini/MiniTestData.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

using test::AppFixture;

class MiniWindowsTest : public test::SeededMiniFixture {
  protected:
    static std::string Text(CFunctionPageDlg* page, int field) {
        return page->Field(field)->Text();
    }
};

TEST_F(MiniWindowsTest, ReadShowsEveryPageAndGraysTheCommand) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(test::Messages(boxes_).back(), "読み込み完了|読み込みが完了しました。");
    EXPECT_TRUE(
        window->windowTitle().startsWith(QStringLiteral("モルヴィク・ミニ/ミニS 詳細設定[")));
    EXPECT_FALSE(main_->Action(cmd::kChangeSettings)->isEnabled());
    EXPECT_EQ(window->Tabs()->count(), 4);

    CMiniConfigDlg* set1 = window->SetPage(0);
    CMiniConfigDlg* set2 = window->SetPage(1);
    EXPECT_EQ(set1->SelectedPage(PhoneGroup::Docomo)->objectName(), QStringLiteral("CBrowserDlg"));
    EXPECT_EQ(Text(set1->SelectedPage(PhoneGroup::Docomo), 0), "http://a/?");
    // The docomo browser page shows its message: what a page counts and writes is what it shows.
    EXPECT_TRUE(set1->SelectedPage(PhoneGroup::Docomo)->Field(1)->Widget()->isVisibleTo(set1));
    CFunctionPageDlg* mailer = set1->SelectedPage(PhoneGroup::Other);
    EXPECT_EQ(mailer->objectName(), QStringLiteral("CMailerDlg"));
    EXPECT_EQ(Text(mailer, 0), "x@y");
    EXPECT_EQ(Text(mailer, 3), "b c");
    EXPECT_EQ(mailer->Selector()->currentIndex(), 1);
    CFunctionPageDlg* toruca = set2->SelectedPage(PhoneGroup::Docomo);
    EXPECT_EQ(toruca->objectName(), QStringLiteral("CTorucaDlg"));
    EXPECT_EQ(Text(toruca, 0), "http://t/");
    EXPECT_EQ(Text(toruca, 2), "d");
    EXPECT_EQ(toruca->Counter()->text(), QStringLiteral("10 / 165 Bytes"));
    CFunctionPageDlg* appli = set2->SelectedPage(PhoneGroup::Other);
    EXPECT_EQ(appli->objectName(), QStringLiteral("CAppliDlg"));
    EXPECT_EQ(Text(appli, 2), "p q");

    CAttractDlg* guidance = window->AttractPage();
    EXPECT_TRUE(guidance->UseButton()->isChecked());
    EXPECT_EQ(guidance->StartHour()->currentText(), QStringLiteral("9"));
    EXPECT_EQ(guidance->StartMinute()->currentText(), QStringLiteral("30"));
    EXPECT_EQ(guidance->Interval()->currentText(), QStringLiteral("3"));
    CTermConfigDlg* term = window->TermPage();
    EXPECT_EQ(term->CardDetection()->currentIndex(), 1);
    EXPECT_EQ(term->SettingSwitch()->currentIndex(), 2);
    EXPECT_EQ(term->OperationMode()->currentText(), QStringLiteral("常にエコモード"));
    EXPECT_TRUE(term->TouchLog()->isChecked());
    EXPECT_EQ(term->AuthCode()->text(), QStringLiteral("0123"));
    EXPECT_EQ(window->NoteLine()->text().toStdString(),
              "音声は登録しません。音声をモルヴィク・ミニに登録する場合は、「音声」ボタンを押し、"
              "「音声を登録する」にチェックを入れてください。");

    // A second 詳細設定 reuses the window and reads again; closing it frees the command.
    window->Settings().sets[0].docomo.browser.url = "changed";
    main_->Action(cmd::kChangeSettings)->setEnabled(true);
    EXPECT_EQ(test::OpenDetailed(*main_), window);
    EXPECT_EQ(window->Settings().sets[0].docomo.browser.url, "http://a/?");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main_->Action(cmd::kChangeSettings)->isEnabled());
}

TEST_F(MiniWindowsTest, ARedCounterDisablesBothButtonsUntilItsGroupSwitchesBack) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    CMiniConfigDlg* set2 = window->SetPage(1);
    CFunctionPageDlg* toruca = set2->Page(PhoneGroup::Docomo, RecordKind::Toruca);
    boxes_.Clear();
    test::Type(toruca->Field(0), std::string(156, 'u'));  // the field is full: 165 bytes
    EXPECT_TRUE(test::Messages(boxes_).empty());
    test::Type(toruca->Field(0), "u");  // one more is refused at once, and said so
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{
                  "エラー|トルカ詳細URLの文字数が限界を超えています。半角165文字までです。"});
    EXPECT_EQ(window->Settings().sets[1].docomo.toruca.detailUrl.size(), 165u);
    EXPECT_EQ(toruca->Counter()->text(), QStringLiteral("166 / 165 Bytes"));
    EXPECT_TRUE(toruca->Counter()->styleSheet().contains(QStringLiteral("255, 0, 0")));
    EXPECT_FALSE(window->WriteButton()->isEnabled());
    EXPECT_FALSE(window->SaveButton()->isEnabled());
    // Back to the browser page (its counter is black): both buttons come back, the texts stay.
    test::Choose(toruca->Selector(), 0);
    EXPECT_EQ(set2->SelectedPage(PhoneGroup::Docomo)->Kind(), RecordKind::Browser);
    EXPECT_EQ(set2->Page(PhoneGroup::Docomo, RecordKind::Application)->Selector()->currentIndex(),
              0);
    EXPECT_TRUE(window->WriteButton()->isEnabled());
    EXPECT_TRUE(window->SaveButton()->isEnabled());
    test::Choose(set2->SelectedPage(PhoneGroup::Docomo)->Selector(), 1);
    EXPECT_EQ(Text(toruca, 0).size(), 165u);
    EXPECT_FALSE(window->WriteButton()->isEnabled());
}

TEST_F(MiniWindowsTest, CopyAsksAndTakesFunctionsLampsAndSounds) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    window->Settings().soundPaths[0] = "/wav/ok.wav";
    window->LampChoices().sets[0][0] = {2, 3};
    const MiniSettings before = window->Settings();
    boxes_.Clear();
    boxes_.SetAnswer(QMessageBox::Cancel);
    window->SetPage(0)->CopyButton()->click();
    EXPECT_EQ(window->Settings(), before);
    boxes_.SetAnswer(QMessageBox::Ok);
    window->SetPage(0)->CopyButton()->click();
    EXPECT_EQ(test::Messages(boxes_),
              (std::vector<std::string>{
                  "コピー|"
                  "設定1の内容を設定2にコピーします。\r\n元に戻すことはできませんがよろしいですか?",
                  "コピー|"
                  "設定1の内容を設定2にコピーします。\r\n元に戻すことはできませんがよろしいですか?",
                  "コピー|コピーしました。"}));
    const MiniSettings& after = window->Settings();
    EXPECT_EQ(after.sets[1], before.sets[0]);
    EXPECT_EQ(after.lamps.sets[1], before.lamps.sets[0]);
    EXPECT_EQ(after.soundPaths[6], "/wav/ok.wav");
    EXPECT_EQ(window->LampChoices().sets[1][0], (LampRowChoice{2, 3}));
    // The pages show the copy.
    EXPECT_EQ(window->SetPage(1)->SelectedPage(PhoneGroup::Other)->objectName(),
              QStringLiteral("CMailerDlg"));
    EXPECT_EQ(Text(window->SetPage(1)->SelectedPage(PhoneGroup::Other), 0), "x@y");
}

TEST_F(MiniWindowsTest, TorucaFileFillsThePage) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    const std::string trc = Config().File("snip.trc");
    std::ofstream(trc, std::ios::binary)
        << "Type: SNIP\r\nURL: http://toruca.example/d\r\nCat: 1F\r\nData1: QUJD\r\n"
           "Data2: eHl6\r\nData3: MTI=\r\nIP-ID: ip1\r\nSort-ID: \r\nDist: 1\r\nColor-ID: 2";
    CFunctionPageDlg* toruca = window->SetPage(1)->Page(PhoneGroup::Docomo, RecordKind::Toruca);
    test::AnswerFileDialog(window, QString::fromStdString(trc));
    toruca->findChild<QPushButton*>()->click();
    const TorucaRecord& record = window->Settings().sets[1].docomo.toruca;
    EXPECT_EQ(record.detailUrl, "http://toruca.example/d");
    EXPECT_EQ(record.categoryIcon, "001f");
    EXPECT_EQ(record.data1, "ABC");
    EXPECT_EQ(record.data3, "12");
    EXPECT_EQ(Text(toruca, 1), "001f");
    EXPECT_EQ(Text(toruca, 3), "xyz");
    EXPECT_EQ(Text(toruca, 8), "2");
}

TEST_F(MiniWindowsTest, SavedFileOpensIntoAnIdenticalWindowUpToTheLimit) {
    CMiniCustomDlg* read = OpenOnSeededMini();
    ASSERT_NE(read, nullptr);
    const std::string file = Config().File("mini.dat");
    read->SaveToFile(QString::fromStdString(file));

    test::AnswerFileDialog(main_, QString::fromStdString(file));
    main_->Action(cmd::kOpenSettingsFile)->trigger();
    ASSERT_EQ(main_->SettingsWindowCount(CMVKAppDlg::Family::Mini), 1);
    CMiniCustomDlg* opened = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<CMiniCustomDlg*>(widget);
        if (candidate != nullptr && candidate != read && candidate->isVisible()) {
            opened = candidate;
        }
    }
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("モルヴィク・ミニ/ミニS 詳細設定[mini.dat]"));
    EXPECT_EQ(opened->Settings(), read->Settings());
    EXPECT_EQ(opened->TermPage()->AuthCode()->text(), QStringLiteral("0123"));

    // Fifteen more fill the list: the next file is refused before any dialog opens.
    std::vector<std::unique_ptr<QWidget>> others;
    for (int i = 1; i < CMVKAppDlg::kMaxSettingsWindows; ++i) {
        others.push_back(std::make_unique<QWidget>());
        main_->RegisterSettingsWindow(CMVKAppDlg::Family::Mini, others.back().get());
    }
    boxes_.Clear();
    main_->Action(cmd::kOpenSettingsFile)->trigger();
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{"エラー|機器設定画面は16個までしか開けません。"});
    // A window that closes leaves the list.
    opened->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main_->SettingsWindowCount(CMVKAppDlg::Family::Mini), 15);
}

TEST_F(MiniWindowsTest, KeyboardNeverClosesByAccidentAndQtSpeaksJapanese) {
    CMiniCustomDlg* window = OpenOnSeededMini();
    ASSERT_NE(window, nullptr);
    CFunctionPageDlg* browser = window->SetPage(0)->SelectedPage(PhoneGroup::Docomo);
    auto* url = qobject_cast<QLineEdit*>(browser->Field(0)->Widget());
    url->setFocus();
    QTest::keyClick(url, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(url->selectedText(), QStringLiteral("http://a/?"));
    boxes_.Clear();
    QTest::keyClick(url, Qt::Key_Return);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(test::Messages(boxes_).empty()) << "Enter started nothing";
    EXPECT_FALSE(sim_->LogLines().empty());
    EXPECT_NE(sim_->LogLines().back().rfind("pset", 0), 0u);
    // Tab goes from the function selector through the fields in their order.
    CFunctionPageDlg* mailer = window->SetPage(0)->SelectedPage(PhoneGroup::Other);
    window->show();
    mailer->Selector()->setFocus();
    const auto nextTabStop = [window](QWidget* from) {
        QWidget* next = from->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(window)) {
            next = next->nextInFocusChain();
        }
        return next;
    };
    QWidget* stop = mailer->Selector();
    for (int field = 0; field < 5; ++field) {
        stop = nextTabStop(stop);
        EXPECT_EQ(stop, mailer->Field(field)->Widget()) << field;
    }
    EXPECT_EQ(nextTabStop(stop), mailer->QuerySelector());

    ASSERT_TRUE(InstallQtJapanese(*qApp));
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

}  // namespace
}  // namespace morvik
