// The Slim settings window offscreen: its groups and sizes follow the function and the fields,
// its checks stop a write before the terminal is reached, typing is held to the byte limits, and
// what it saves opens again unchanged.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include "editors/CConfigDlg.h"
#include "model/Cp932.h"
#include "res/Strings.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

std::string Sjis(const char* utf8) {
    return Utf8ToCp932Lossy(utf8);
}

class SlimEditorWindowTest : public test::AppFixture {
  protected:
    CConfigDlg& Editor(CMVKAppDlg& main) {
        auto* editor = new CConfigDlg(main);
        editor->show();
        return *editor;
    }
    template <typename T>
    static T* Child(QWidget& window, const char* name) {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static std::string Box(int id) { return "エラー|" + std::string(res::Text(id)); }
};

TEST_F(SlimEditorWindowTest, GroupsAndSizesFollowTheFunctionAndTheFields) {
    CConfigDlg& editor = Editor(Window());
    auto* functions = Child<QComboBox>(editor, "function");
    ASSERT_EQ(functions->count(), 4);
    functions->setCurrentIndex(3);
    functions->setCurrentIndex(0);
    EXPECT_TRUE(Child<QGroupBox>(editor, "browser")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>(editor, "toruca")->isEnabled());
    EXPECT_FALSE(Child<QGroupBox>(editor, "mailer")->isEnabled());

    functions->setCurrentIndex(2);
    Child<QLineEdit>(editor, "browserUrl")->setText(QStringLiteral("http://a/"));
    Child<QLineEdit>(editor, "mailTo")->setText(QString(40, QLatin1Char('a')));
    Child<QLineEdit>(editor, "mailCc")->setText(QString(40, QLatin1Char('b')));
    Child<QLineEdit>(editor, "mailSubject")->setText(QString(40, QLatin1Char('c')));
    Child<QPlainTextEdit>(editor, "mailBody")->setPlainText(QString(30, QLatin1Char('d')));
    Child<QRadioButton>(editor, "mailerQueryOn")->click();
    Child<QCheckBox>(editor, "encrypt")->click();
    auto* size = Child<QLineEdit>(editor, "size2");
    EXPECT_EQ(size->text(), QStringLiteral("150 / 124 Bytes"));
    EXPECT_EQ(size->palette().color(QPalette::Text), QColor(255, 0, 0));
    auto* write = Child<QPushButton>(editor, "write");
    auto* save = Child<QPushButton>(editor, "save");
    EXPECT_FALSE(write->isEnabled());
    EXPECT_FALSE(save->isEnabled());

    functions->setCurrentIndex(1);
    EXPECT_FALSE(Child<QGroupBox>(editor, "mailer")->isEnabled());
    EXPECT_TRUE(write->isEnabled());
    EXPECT_TRUE(save->isEnabled());
}

TEST_F(SlimEditorWindowTest, AURLThatTakesNoQueryIsRefusedBeforeTheTerminalIsReached) {
    CConfigDlg& editor = Editor(Window());
    SlimEditorState state;
    state.browser.url = "http://x/page";
    state.browser.message = std::string(184, 'm');  // too long as well: the URL comes first
    state.browserQuery = true;
    editor.SetState(state);
    auto* write = Child<QPushButton>(editor, "write");
    EXPECT_FALSE(write->isEnabled());  // 197 bytes against 150
    state.browser.message = "m";
    editor.SetState(state);
    write->click();
    // The first failure alone, and no connection was tried (that would have shown the port's
    // error first).
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{Box(962)});
}

TEST_F(SlimEditorWindowTest, TypingPastTheLimitIsRefusedAndTheFocusStays) {
    CConfigDlg& editor = Editor(Window());
    Child<QComboBox>(editor, "function")->setCurrentIndex(1);
    auto* data1 = Child<QLineEdit>(editor, "torucaData1");
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    data1->setFocus();
    QTest::keyClicks(data1, QString(41, QLatin1Char('x')));
    EXPECT_EQ(data1->text(), QString(40, QLatin1Char('x')));
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0],
              "エラー|データ1の文字数が限界を超えています。半角40文字までです。");
    EXPECT_EQ(editor.focusWidget(), data1);

    // Tab follows the list of controls: the function, then the fields of the groups in use.
    Child<QComboBox>(editor, "function")->setFocus();
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(editor.focusWidget(), Child<QWidget>(editor, "browserUrl"));
    QTest::keyClick(editor.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(editor.focusWidget(), Child<QWidget>(editor, "browserMessage"));
    data1->setFocus();

    QTest::keyClick(data1, Qt::Key_Home);
    QTest::keyClick(data1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(data1->selectedText().size(), 40);
    // Enter writes nothing and closes nothing; Esc does not throw the typed text away.
    QTest::keyClick(data1, Qt::Key_Return);
    QTest::keyClick(data1, Qt::Key_Escape);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
}

TEST_F(SlimEditorWindowTest, ASavedFileOpensAgainIntoTheSameValues) {
    CMVKAppDlg& main = Window();
    CConfigDlg& editor = Editor(main);
    SlimEditorState state;
    state.function = SlimFunction::TorucaMailer;
    state.toruca = {"http://t/?", "1F", Sjis("データ"), Sjis("二行\r\nです"), "z"};
    state.mailer = {"a@b.jp", "", Sjis("件名"), Sjis("本文\r\n"), "m"};
    state.torucaQuery = true;
    state.encryptQuery = true;
    state.behaviour.buzzer = false;
    editor.SetState(state);
    const std::string path = Config().File("saved.dat");
    test::AnswerFileDialog(&editor, QString::fromStdString(path));
    Child<QPushButton>(editor, "save")->click();
    EXPECT_TRUE(boxes_.Boxes().empty());

    CConfigDlg& again = Editor(main);
    ASSERT_TRUE(again.ReadFromFile(QString::fromStdString(path), ReadAnySettingsFile(path)))
        << again.ResultText();
    EXPECT_EQ(again.State(), state);
    EXPECT_TRUE(again.FromFile());
}

TEST_F(SlimEditorWindowTest, ATorucaFileFillsTheTorucaFieldsOrChangesNothing) {
    CConfigDlg& editor = Editor(Window());
    const std::string good = Config().File("good.trc");
    const std::string bad = Config().File("bad.trc");
    std::ofstream(good) << "Type: SNIP\r\nURL: http://t.example/?\r\nCat: 1F\r\nData1: YWJj\r\n";
    std::ofstream(bad) << "Type: CARD\r\nURL: http://other/\r\n";
    Child<QComboBox>(editor, "function")->setCurrentIndex(1);
    auto* open = Child<QPushButton>(editor, "openToruca");
    test::AnswerFileDialog(&editor, QString::fromStdString(good));
    open->click();
    EXPECT_EQ(editor.State().toruca,
              (SlimTorucaRecord{"http://t.example/?", "001f", "abc", "", ""}));
    test::AnswerFileDialog(&editor, QString::fromStdString(bad));
    open->click();
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{Box(915)});
    EXPECT_EQ(editor.State().toruca.detailUrl, "http://t.example/?");
}

TEST_F(SlimEditorWindowTest, NoWindowOutlivesTheMainWindow) {
    auto main = std::make_unique<CMVKAppDlg>();
    QPointer<CConfigDlg> shown = new CConfigDlg(*main);
    shown->show();
    QPointer<CConfigDlg> hidden = new CConfigDlg(*main);
    ASSERT_TRUE(main->RegisterSettingsWindow(CMVKAppDlg::Family::Slim, hidden));
    QPointer<CConfigDlg> slot = new CConfigDlg(*main);
    main->SetSlimSlot(slot);
    main.reset();
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(hidden.isNull());
    EXPECT_TRUE(slot.isNull());
}

}  // namespace
}  // namespace morvik
