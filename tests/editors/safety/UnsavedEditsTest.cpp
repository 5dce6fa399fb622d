// Edits that were neither written nor saved are not thrown away without a question: 閉じる (or the
// close box) of a settings window asks with the window's name, and the main window's Esc and
// ファイル → 終了 ask once for every such window. A window without changes closes at once.

#include <QAction>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "app/CommandIds.h"
#include "editors/CConfigDlg.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "files/MiniFamilySettingsFile.h"
#include "support/Files.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

class UnsavedEditsTest : public test::AppFixture {
  protected:
    // A detailed window that has just read a settings file.
    CMiniCustomDlg* OpenFile(CMVKAppDlg& main) {
        const std::string path = Config().File("mini.dat");
        test::WriteWholeFile(path, MiniSettingsFileText(test::EveryRecordKind()));
        auto* window = new CMiniCustomDlg(main);
        main.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, window);
        window->SetCaptionText(QStringLiteral("mini.dat"));
        window->show();
        EXPECT_TRUE(window->Read(ReadAnySettingsFile(path)).loaded);
        return window;
    }
    static void Deleted() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(UnsavedEditsTest, ClosingAWindowAsksOnlyWhenItHoldsChanges) {
    CMVKAppDlg& main = Window();
    QPointer<CMiniCustomDlg> clean = OpenFile(main);
    boxes_.Clear();
    clean->CloseButton()->click();
    Deleted();
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_TRUE(clean.isNull());

    QPointer<CMiniCustomDlg> edited = OpenFile(main);
    test::Type(edited->SetPage(0)->SelectedPage(PhoneGroup::Docomo)->Field(0), "x");
    const std::string question = "注意|「" + edited->windowTitle().toStdString() +
                                 "」の変更は、機器への書き込みもファイルへの保存もされていません。"
                                 "\n変更を破棄して閉じますか?";
    boxes_.SetAnswer(QMessageBox::No);
    boxes_.Clear();
    edited->CloseButton()->click();
    edited->close();  // the close box
    Deleted();
    EXPECT_EQ(boxes_.Boxes(), (std::vector<std::string>{question, question}));
    ASSERT_FALSE(edited.isNull());
    EXPECT_TRUE(edited->isVisible());

    boxes_.SetAnswer(QMessageBox::Yes);
    edited->CloseButton()->click();
    Deleted();
    EXPECT_TRUE(edited.isNull());

    // An easy window asks the same; a write or save would have made it clean.
    QPointer<CMiniEasyDlg> easy = new CMiniEasyDlg(main);
    main.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, easy);
    easy->show();
    test::Type(easy->UrlField(), "http://e.jp/");
    boxes_.SetAnswer(QMessageBox::No);
    boxes_.Clear();
    easy->CloseButton()->click();
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_TRUE(easy->isVisible());
    boxes_.SetAnswer(QMessageBox::Yes);
    easy->CloseButton()->click();
    Deleted();
    EXPECT_TRUE(easy.isNull());
}

TEST_F(UnsavedEditsTest, EndingTheProgramAsksOnceForEveryWindowWithChanges) {
    CMVKAppDlg& main = Window();
    main.show();
    auto* easy = new CMiniEasyDlg(main);
    main.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, easy);
    easy->show();
    auto* slim = new CConfigDlg(main);
    slim->setWindowTitle(QStringLiteral("slim.dat"));
    main.RegisterSettingsWindow(CMVKAppDlg::Family::Slim, slim);
    slim->show();

    // Nothing edited: Esc would end the program without a question (checked last).
    test::Type(easy->UrlField(), "http://e.jp/");
    SlimEditorState state = slim->State();
    state.browser.url = "http://s.jp/";
    slim->SetState(state);

    boxes_.SetAnswer(QMessageBox::No);
    boxes_.Clear();
    QTest::keyClick(&main, Qt::Key_Escape);
    main.Action(cmd::kExit)->trigger();
    ASSERT_EQ(boxes_.Boxes().size(), 2u);
    const std::string& question = boxes_.Boxes()[0];
    EXPECT_TRUE(question.starts_with("注意|次の設定画面の変更は")) << question;
    EXPECT_NE(question.find("「" + easy->windowTitle().toStdString() + "」"), std::string::npos);
    EXPECT_NE(question.find("「slim.dat」"), std::string::npos);
    EXPECT_TRUE(question.ends_with("変更を破棄して終了しますか?")) << question;
    EXPECT_TRUE(main.isVisible());

    boxes_.SetAnswer(QMessageBox::Yes);
    QTest::keyClick(&main, Qt::Key_Escape);
    EXPECT_FALSE(main.isVisible());

    // Without changes the program ends at once.
    CMVKAppDlg& again = Window();
    again.show();
    auto* untouched = new CMiniEasyDlg(again);
    again.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, untouched);
    untouched->show();
    boxes_.Clear();
    QTest::keyClick(&again, Qt::Key_Escape);
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_FALSE(again.isVisible());
}

}  // namespace
}  // namespace morvik
