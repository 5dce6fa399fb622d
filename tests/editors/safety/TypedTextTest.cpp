// A field of any settings window keeps what was typed or refuses it, never changes it: a
// character code page 932 lacks (pasted or typed) is refused with a message and nothing changes,
// and a line break that would take a several-line field past its limit is refused like any other
// character.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "editors/CByteField.h"
#include "editors/CConfigDlg.h"
#include "editors/CFunctionPageDlg.h"
#include "editors/CMiniConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

const std::string kRefused = "エラー|「😀」は機器で使えない文字のため、入力できません。";

class TypedTextTest : public test::AppFixture {
  protected:
    // Pastes text at the end of a field with Ctrl+V, as an operator would.
    static void Paste(QWidget* field, const QString& text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }
    // A detailed window showing settings with every page kind.
    static CMiniCustomDlg* Detailed(CMVKAppDlg& main) {
        auto* window = new CMiniCustomDlg(main);
        main.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, window);
        window->Settings() = test::EveryRecordKind();
        window->RefreshAll();
        window->show();
        return window;
    }
    static QString Shown(const CByteField* field) {
        if (auto* line = qobject_cast<QLineEdit*>(field->Widget())) {
            return line->text();
        }
        return qobject_cast<QPlainTextEdit*>(field->Widget())->toPlainText();
    }
};

TEST_F(TypedTextTest, ACharacterNoTerminalCanHoldIsRefusedInEveryWindowAndNothingChanges) {
    CMVKAppDlg& main = Window();
    CMiniCustomDlg* window = Detailed(main);
    const MiniSettings before = window->Settings();
    CFunctionPageDlg* browser = window->SetPage(0)->SelectedPage(PhoneGroup::Docomo);
    for (int field : {0, 1}) {  // the URL, and the message
        SCOPED_TRACE(field);
        const QString shown = Shown(browser->Field(field));
        boxes_.Clear();
        Paste(browser->Field(field)->Widget(), QStringLiteral("x😀"));
        EXPECT_EQ(test::Messages(boxes_), std::vector<std::string>{kRefused});
        EXPECT_EQ(Shown(browser->Field(field)), shown);
    }
    EXPECT_EQ(window->Settings(), before);

    auto* easy = new CMiniEasyDlg(main);
    main.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, easy);
    easy->show();
    test::Type(easy->MessageField(), "ok");
    boxes_.Clear();
    Paste(easy->MessageField()->Widget(), QStringLiteral("😀"));
    EXPECT_EQ(test::Messages(boxes_), std::vector<std::string>{kRefused});
    EXPECT_EQ(easy->Quick().message, "ok");

    // The Slim window's fields are the same field.
    auto* slim = new CConfigDlg(main);
    main.RegisterSettingsWindow(CMVKAppDlg::Family::Slim, slim);
    slim->show();
    auto* url = slim->findChild<QLineEdit*>(QStringLiteral("browserUrl"));
    ASSERT_NE(url, nullptr);
    boxes_.Clear();
    Paste(url, QStringLiteral("http://x.jp/😀"));
    EXPECT_EQ(test::Messages(boxes_), std::vector<std::string>{kRefused});
    EXPECT_EQ(slim->State().browser.url, "");
}

TEST_F(TypedTextTest, ALineBreakPastTheLimitIsRefusedAndAPasteKeepsWhatFits) {
    CMVKAppDlg& main = Window();
    CMiniCustomDlg* window = Detailed(main);
    CFunctionPageDlg* mailer = window->SetPage(0)->SelectedPage(PhoneGroup::Other);
    ASSERT_EQ(mailer->Kind(), RecordKind::Mailer);
    CByteField* message = mailer->Field(4);  // メッセージ, 32 bytes
    QTest::keyClick(message->Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message->Widget(), Qt::Key_Delete);
    test::Type(message, std::string(31, 'm'));
    boxes_.Clear();
    QTest::keyClick(message->Widget(), Qt::Key_Return);
    EXPECT_EQ(
        test::Messages(boxes_),
        std::vector<std::string>{
            "エラー|メーラ起動のメッセージの文字数が限界を超えています。半角32文字までです。"});
    EXPECT_EQ(window->Settings().sets[0].other.mailer.message, std::string(31, 'm'));
    EXPECT_EQ(Shown(message), QString(31, QLatin1Char('m')));

    // A paste at the start goes in as far as it fits, and what stood after it stays.
    QTest::keyClick(message->Widget(), Qt::Key_Home, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("ab"));
    QTest::keyClick(message->Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->Settings().sets[0].other.mailer.message, "a" + std::string(31, 'm'));
}

}  // namespace
}  // namespace morvik
