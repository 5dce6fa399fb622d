// The options dialog: the port list and its checks, the preferences written on OK only, and the
// port search with its window.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "app/COptionDlg.h"
#include "app/CPortProgressDlg.h"
#include "app/CommandIds.h"
#include "support/Files.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

using test::AppFixture;

constexpr const char* kPortInvalid = "エラー|ポート番号が不正です。";

// Runs work once the dialog of type T has opened (inside its own event loop).
template <typename T, typename Work>
void WhenOpen(Work work) {
    auto* timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, work] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
                timer->stop();
                timer->deleteLater();
                work(*dialog);
                return;
            }
        }
    });
    timer->start();
}

class OptionDlgTest : public AppFixture {};

TEST_F(OptionDlgTest, PortTextMustNameAnItem) {
    CMVKAppDlg& window = Window();
    COptionDlg dialog(window, 256, false);
    EXPECT_EQ(dialog.PortList()->count(), 256);
    EXPECT_EQ(dialog.PortList()->currentText(), QStringLiteral("COM256"));

    for (const char* bad : {"COM0", "COM257", "5", "", "COM 7"}) {
        SCOPED_TRACE(bad);
        boxes_.Clear();
        dialog.PortList()->setEditText(QString::fromUtf8(bad));
        dialog.accept();
        EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{kPortInvalid});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.Port(), 256);
    }
    boxes_.Clear();
    dialog.PortList()->setEditText(QStringLiteral("com7"));
    dialog.accept();
    EXPECT_TRUE(boxes_.Boxes().empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Port(), 7);
}

TEST_F(OptionDlgTest, SeventhCharacterIsCut) {
    CMVKAppDlg& window = Window();
    COptionDlg dialog(window, 0, true);  // an impossible port is taken as 1
    EXPECT_EQ(dialog.PortList()->currentText(), QStringLiteral("COM1"));
    EXPECT_TRUE(dialog.CloseCheck()->isChecked());
    QLineEdit* edit = dialog.PortList()->lineEdit();
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("COM1234"));
    EXPECT_EQ(edit->text(), QStringLiteral("COM123"));
    EXPECT_EQ(edit->cursorPosition(), 6);
    dialog.PortList()->setEditText(QStringLiteral("COM12345"));
    EXPECT_EQ(edit->text(), QStringLiteral("COM123"));
}

TEST_F(OptionDlgTest, OkWritesThePreferencesAndCancelDoesNot) {
    CMVKAppDlg& window = Window();
    WhenOpen<COptionDlg>([](COptionDlg& dialog) { dialog.reject(); });
    window.Action(cmd::kOptions)->trigger();
    EXPECT_FALSE(std::ifstream(IniPath()).good());
    EXPECT_FALSE(window.Guarded());

    WhenOpen<COptionDlg>([](COptionDlg& dialog) {
        dialog.PortList()->setEditText(QStringLiteral("COM42"));
        dialog.CloseCheck()->setChecked(true);
        dialog.accept();
    });
    window.Action(cmd::kOptions)->trigger();
    EXPECT_EQ(window.PortNumber(), 42);
    EXPECT_TRUE(window.CloseAfterWrite());
    EXPECT_EQ(test::ReadWholeFile(IniPath()),
              "[MorvikMini/Slim]\r\nSerialPortNum=42\r\nCloseCheck=1\r\n");
    EXPECT_FALSE(window.Guarded());
}

TEST_F(OptionDlgTest, PortSearchFindsTheTerminalAndLeavesItFree) {
    test::SimProcess& sim = StartSim("mini", {}, 5);
    CMVKAppDlg& window = Window();
    window.SetPortNumber(2);
    COptionDlg dialog(window, 2, false);
    dialog.SearchButton()->click();
    EXPECT_EQ(boxes_.Boxes().back(),
              "ポート検索完了|ポート検索が終了しました。\r\nCOM5を使用します。");
    EXPECT_EQ(dialog.PortList()->currentText(), QStringLiteral("COM5"));
    EXPECT_EQ(dialog.Port(), 5);
    EXPECT_EQ(window.PortNumber(), 5);  // at once, before OK
    EXPECT_FALSE(window.Terminal().IsConnected());
    EXPECT_TRUE(sim.WaitForLogLine("exit"));
    EXPECT_FALSE(std::ifstream(IniPath()).good());  // written only by OK
}

TEST_F(OptionDlgTest, PortSearchWithoutTerminalRestoresThePort) {
    StartSim("mini", {"--fault", "no-reply"}, 3);
    CMVKAppDlg& window = Window();
    window.SetPortNumber(9);
    COptionDlg dialog(window, 9, false);
    dialog.SearchButton()->click();
    ASSERT_FALSE(boxes_.Boxes().empty());
    EXPECT_EQ(boxes_.Boxes().back(), "エラー|モルヴィクが見つかりません。");
    EXPECT_EQ(window.PortNumber(), 9);
    EXPECT_EQ(dialog.PortList()->currentText(), QStringLiteral("COM9"));
    EXPECT_FALSE(window.Terminal().IsConnected());
}

TEST_F(OptionDlgTest, SearchWindowEndsOnEveryKindOfList) {
    CMVKAppDlg& window = Window();
    window.SetPortNumber(4);
    {
        // The list cannot be read: a search without result, not a window that waits for ever.
        CPortProgressDlg search(window, &window, [] { return std::nullopt; });
        EXPECT_EQ(search.exec(), QDialog::Accepted);
        EXPECT_FALSE(search.Found());
        EXPECT_FALSE(search.Cancelled());
    }
    {
        CPortProgressDlg search(window, &window,
                                [] { return std::optional<std::vector<std::string>>{}; });
        EXPECT_EQ(search.exec(), QDialog::Accepted);
        EXPECT_FALSE(search.Found());
    }
    {
        // An entry that is not a COM name ends the search there.
        CPortProgressDlg search(window, &window, [] {
            return std::optional<std::vector<std::string>>{{"LPT1", "COM1"}};
        });
        EXPECT_EQ(search.exec(), QDialog::Accepted);
        EXPECT_FALSE(search.Found());
    }
    EXPECT_EQ(window.PortNumber(), 4);
}

TEST_F(OptionDlgTest, CancelStopsTheSearchAndRestoresThePort) {
    // A silent terminal keeps the first probe busy long enough to press キャンセル.
    StartSim("mini", {"--fault", "no-reply"}, 6);
    test::SimProcess& later = StartSim("mini", {}, 7);
    CMVKAppDlg& window = Window();
    window.SetPortNumber(11);
    CPortProgressDlg search(window, &window, [] {
        return std::optional<std::vector<std::string>>{{"COM6", "COM7"}};
    });
    QTimer::singleShot(100, &search, [&search] {
        search.CancelButton()->click();
        EXPECT_TRUE(search.isVisible());  // it closes only when the thread has stopped
    });
    EXPECT_EQ(search.exec(), QDialog::Rejected);
    EXPECT_TRUE(search.Cancelled());
    EXPECT_FALSE(search.Found());
    EXPECT_EQ(window.PortNumber(), 11);
    EXPECT_TRUE(later.LogLines().empty());  // the next port was never tried
}

}  // namespace
}  // namespace morvik
