// The main window against simulated terminals: the information panel, the clipboard, the clock,
// the detection log's erasure, start-up from the preferences, the close rules and the commands
// whose windows are still to come.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <fstream>

#include <sys/stat.h>

#include "app/CommandIds.h"
#include "dialogs/CProgressDlg.h"
#include "editors/CConfigDlg.h"
#include "files/SlimSettingsFile.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "support/Files.h"
#include "support/ScopedEnv.h"
#include "support/StderrCapture.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

using test::AppFixture;

constexpr const char* kFirstNotice = "通信を開始します|";

QStringList PanelTexts(const CMVKAppDlg& window) {
    QStringList texts;
    for (int i = 0; i < 6; ++i) {
        texts << window.findChild<QLineEdit*>(QStringLiteral("infoField%1").arg(i))->text();
    }
    return texts;
}

using test::Messages;

class MainWindowTest : public AppFixture {};

TEST_F(MainWindowTest, ReadDeviceInfoFillsTheSixFieldsForEveryEdition) {
    struct Case {
        const char* edition;
        const char* version;
        const char* product;
        const char* touches;  // the panel's text
    };
    const Case cases[] = {
        {"slim", "2.05", "ZRT410N", "-"},
        {"mini", "1.20", "ZRT450", "321"},
        {"minis", "3.01", "ZRT450S", "321"},
        {"minisx", "4.10", "ZRT450SX", "321"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edition);
        test::SimProcess& sim =
            StartSim(c.edition, {"--tid", "T-77", "--version", c.version, "--boot", "12", "--wdog",
                                 "3", "--touches", "321"});
        CMVKAppDlg& window = Window(sim.DevicePath());
        boxes_.Clear();
        window.Action(cmd::kReadDeviceInfo)->trigger();

        const QStringList texts = PanelTexts(window);
        EXPECT_EQ(texts[0].toStdString(), c.product);
        EXPECT_EQ(texts[1].toStdString(), "T-77");
        EXPECT_EQ(texts[2].toStdString(), c.version);
        EXPECT_EQ(texts[3].toStdString(), "15");  // boot + watchdog restarts
        EXPECT_EQ(texts[4].toStdString(), c.touches);
        // A Slim keeps no clock of its own.
        const QString clock = std::string(c.edition) == "slim"
                                  ? QStringLiteral("^----/--/-- --:--:--$")
                                  : QStringLiteral(R"(^20\d\d/\d\d/\d\d \d\d:\d\d:\d\d$)");
        EXPECT_TRUE(QRegularExpression(clock).match(texts[5]).hasMatch()) << texts[5].toStdString();
        // The first session of a run shows its notice once; nothing else was said.
        ASSERT_EQ(boxes_.Boxes().size(), 1u);
        EXPECT_TRUE(boxes_.Boxes()[0].starts_with(kFirstNotice));
        EXPECT_FALSE(window.Terminal().IsConnected());
        EXPECT_TRUE(window.Action(cmd::kExit)->isEnabled());
    }
}

TEST_F(MainWindowTest, ClipboardHoldsSixLabelledLines) {
    CMVKAppDlg& window = Window();
    window.Action(cmd::kCopyDeviceInfo)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "製品名:\r\n端末ID:\r\nファームウェアバージョン:\r\n起動カウンタ:\r\n"
              "累積タッチカウンタ:\r\n時刻:\r\n");

    test::SimProcess& sim = StartSim("mini", {"--tid", "ＩＤ全角", "--version", "1.07", "--boot",
                                              "1", "--wdog", "0", "--touches", "9"});
    window.Terminal().SetDevicePath(sim.DevicePath());
    window.Action(cmd::kReadDeviceInfo)->trigger();
    window.Action(cmd::kCopyDeviceInfo)->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "製品名:ZRT450\r\n端末ID:ＩＤ全角\r\nファームウェアバージョン:1.07\r\n起動カウンタ:1\r\n"
        "累積タッチカウンタ:9\r\n時刻:20")))
        << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 6);
}

TEST_F(MainWindowTest, NoTerminalLeavesThePanelAndSaysWhy) {
    test::SimProcess& sim = StartSim("minis", {"--tid", "A1"});
    CMVKAppDlg& window = Window(sim.DevicePath());
    window.Action(cmd::kReadDeviceInfo)->trigger();
    ASSERT_EQ(PanelTexts(window)[1], QStringLiteral("A1"));

    // A COM port without a device: the port does not open and the panel keeps its texts.
    window.SetPortNumber(200);
    boxes_.Clear();
    window.Action(cmd::kReadDeviceInfo)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"エラー|COMポートのオープンに失敗しました。"});
    EXPECT_EQ(PanelTexts(window)[1], QStringLiteral("A1"));

    // A terminal that never answers: the session does not open.
    test::SimProcess& mute = StartSim("mini", {"--fault", "no-reply"});
    window.Terminal().SetDevicePath(mute.DevicePath());
    boxes_.Clear();
    window.Action(cmd::kReadDeviceInfo)->trigger();
    EXPECT_EQ(Messages(boxes_), std::vector<std::string>{"エラー|機器との接続に失敗しました。"});
    EXPECT_EQ(PanelTexts(window)[1], QStringLiteral("A1"));
    EXPECT_FALSE(window.Terminal().IsConnected());
}

TEST_F(MainWindowTest, ClockIsSetOnTheMiniFamilyOnly) {
    test::SimProcess& minisx = StartSim("minisx");
    CMVKAppDlg& window = Window(minisx.DevicePath());
    window.Action(cmd::kSetClock)->trigger();
    EXPECT_EQ(Messages(boxes_), std::vector<std::string>{"時刻合わせ|時刻を合わせました"});
    bool sent = false;
    for (const std::string& line : minisx.LogLines()) {
        sent = sent || QRegularExpression(
                           QStringLiteral("^rtc s \\d\\d \\d\\d \\d\\d \\d\\d \\d\\d \\d\\d$"))
                           .match(QString::fromStdString(line))
                           .hasMatch();
    }
    EXPECT_TRUE(sent);

    test::SimProcess& slim = StartSim("slim");
    window.Terminal().SetDevicePath(slim.DevicePath());
    boxes_.Clear();
    window.Action(cmd::kSetClock)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"エラー|モルヴィク･ミニ/ミニSが見つかりません。"});
}

TEST_F(MainWindowTest, EraseDetectionLogAsksFirst) {
    test::SimProcess& sim = StartSim("mini", {"--dlog-records", "4"});
    CMVKAppDlg& window = Window(sim.DevicePath());

    boxes_.SetAnswer(QMessageBox::Cancel);
    window.Action(cmd::kEraseDetectionLog)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"検出ログ消去|検出ログを消去します。\r\nよろしいですか?"});
    EXPECT_TRUE(sim.LogLines().empty());  // Cancel: the terminal was not even woken

    boxes_.SetAnswer(QMessageBox::Ok);
    boxes_.Clear();
    window.Action(cmd::kEraseDetectionLog)->trigger();
    EXPECT_EQ(Messages(boxes_),
              (std::vector<std::string>{"検出ログ消去|検出ログを消去します。\r\nよろしいですか?",
                                        "検出ログ消去|検出ログを消去しました。"}));
    EXPECT_TRUE(Logged(sim, "dlog e"));
}

TEST_F(MainWindowTest, StartUpTakesThePortAndFlagFromThePreferences) {
    test::SimProcess& sim = StartSim("mini", {"--tid", "COM9"}, 9);
    std::ofstream(IniPath()) << "[MorvikMini/Slim]\r\nSerialPortNum=9\r\nCloseCheck=257\r\n";
    CMVKAppDlg& window = Window();
    EXPECT_EQ(window.PortNumber(), 9);
    EXPECT_TRUE(window.CloseAfterWrite());
    // The COM number leads through the ports folder to the simulated terminal.
    window.Action(cmd::kReadDeviceInfo)->trigger();
    EXPECT_EQ(PanelTexts(window)[1], QStringLiteral("COM9"));
    EXPECT_TRUE(Logged(sim, "ver"));

    std::ofstream(IniPath()) << "[MorvikMini/Slim]\r\nSerialPortNum=257\r\nCloseCheck=2\r\n";
    CMVKAppDlg& second = Window();
    EXPECT_EQ(second.PortNumber(), 1);
    EXPECT_FALSE(second.CloseAfterWrite());
}

TEST_F(MainWindowTest, ClosingIsRefusedWhileThePortIsOpen) {
    test::SimProcess& sim = StartSim("mini");
    CMVKAppDlg& window = Window(sim.DevicePath());
    window.show();
    ASSERT_TRUE(window.Terminal().Connect(false));
    EXPECT_FALSE(window.Action(cmd::kExit)->isEnabled());
    EXPECT_FALSE(window.close());
    window.Action(cmd::kExit)->trigger();  // even when asked directly
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());

    window.Terminal().Disconnect();
    EXPECT_TRUE(window.Action(cmd::kExit)->isEnabled());
    window.Action(cmd::kExit)->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(MainWindowTest, CommandsLeadingToWindowsReleaseEverything) {
    // Each of these opens a window of its own (or, while that window is still to come, says
    // so); whatever it is, it is closed here, and afterwards the main window must be usable.
    test::SimProcess& sim = StartSim("mini");
    CMVKAppDlg& window = Window(sim.DevicePath());
    boxes_.SetCloseDialogs(true);
    window.Action(cmd::kChangeSettings)->trigger();  // Mini: the terminal is restarted first
    EXPECT_TRUE(sim.WaitForLogLine("reboot s"));
    // (The firmware window holds on until its update has ended; its own tests drive it.)
    for (int id : {cmd::kChangeSettings, cmd::kSaveMaintenance, cmd::kGetDetectionLog,
                   cmd::kServiceSettings}) {
        SCOPED_TRACE(id);
        boxes_.Clear();
        window.Action(id)->trigger();
        EXPECT_FALSE(Messages(boxes_).empty());
        EXPECT_FALSE(window.Guarded());
        EXPECT_FALSE(window.Terminal().IsConnected());
        EXPECT_TRUE(window.Action(cmd::kReadDeviceInfo)->isEnabled());
    }
}

TEST_F(MainWindowTest, DetectionLogOfASlimIsRefused) {
    test::SimProcess& sim = StartSim("slim");
    CMVKAppDlg& window = Window(sim.DevicePath());
    window.Action(cmd::kGetDetectionLog)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"エラー|モルヴィク･ミニ/ミニSが見つかりません。"});
}

TEST_F(MainWindowTest, SettingsWindowsAreLimitedAndGuarded) {
    CMVKAppDlg& window = Window();
    std::vector<std::unique_ptr<QWidget>> windows;
    for (int i = 0; i < CMVKAppDlg::kMaxSettingsWindows; ++i) {
        windows.push_back(std::make_unique<QWidget>());
        ASSERT_TRUE(window.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, windows.back().get()));
    }
    QWidget extra;
    EXPECT_FALSE(window.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, &extra));
    EXPECT_TRUE(window.SettingsWindowLimitReached());
    window.Action(cmd::kChangeSettings)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"エラー|機器設定画面は16個までしか開けません。"});

    window.ModalGuard(true);
    window.ModalGuard(true);
    window.ModalGuard(false);
    EXPECT_FALSE(windows[3]->isEnabled());  // still inside the outer guard
    window.ModalGuard(false);
    EXPECT_TRUE(windows[3]->isEnabled());

    windows.pop_back();  // a destroyed window leaves its list
    EXPECT_FALSE(window.SettingsWindowLimitReached());
    EXPECT_TRUE(window.RegisterSettingsWindow(CMVKAppDlg::Family::Mini, &extra));
}

// A FIFO picked as a settings file (nothing ever writes to it) is refused at once instead of
// hanging the window in its open.
TEST_F(MainWindowTest, AFifoPickedAsASettingsFileIsRefusedWithoutHanging) {
    const std::string fifo = Config().File("settings.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    CMVKAppDlg& window = Window();
    test::AnswerFileDialog(&window, QString::fromStdString(fifo));
    window.Action(cmd::kOpenSettingsFile)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"エラー|ファイルのオープンに失敗しました。"});
    EXPECT_EQ(window.SettingsWindowCount(CMVKAppDlg::Family::Mini), 0);
}

// A Slim file goes from 機器設定ファイルを開く into a Slim window with its values; one padded past
// the Slim's own limit, though well inside the limit every edition is first read under, opens no
// window and is refused as no settings file.
TEST_F(MainWindowTest, ASlimFileOpensIntoASlimWindowUpToItsOwnLimit) {
    SlimEditorState state;
    state.browser = {"http://b/", "a b"};
    state.behaviour.buzzer = false;
    const std::string path = Config().File("slim.dat");
    ASSERT_TRUE(SaveSlimSettingsFile(path, state));
    CMVKAppDlg& window = Window();
    test::AnswerFileDialog(&window, QString::fromStdString(path));
    window.Action(cmd::kOpenSettingsFile)->trigger();
    EXPECT_TRUE(Messages(boxes_).empty());
    ASSERT_EQ(window.SettingsWindowCount(CMVKAppDlg::Family::Slim), 1);
    CConfigDlg* editor = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        editor = editor != nullptr ? editor : qobject_cast<CConfigDlg*>(widget);
    }
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->State(), state);
    EXPECT_EQ(editor->FileText(), test::ReadWholeFile(path) + "\r\n");

    const std::string over =
        test::ReadWholeFile(path) + std::string(kSlimSettingsFileMaxSize, 'x') + "\r\n";
    ASSERT_LT(over.size(), kSettingsFileReadLimit);
    test::WriteWholeFile(Config().File("over.dat"), over);
    test::AnswerFileDialog(&window, QString::fromStdString(Config().File("over.dat")));
    window.Action(cmd::kOpenSettingsFile)->trigger();
    EXPECT_EQ(Messages(boxes_),
              std::vector<std::string>{"エラー|" +
                                       std::string(res::Text(res::ids::kSettingsFileInvalid))});
    EXPECT_EQ(window.SettingsWindowCount(CMVKAppDlg::Family::Slim), 1);
}

// A terminal that leaves "ver" unanswered holds 機器情報の読み込み for the whole wait: the command
// runs in its progress window meanwhile (the main window goes on painting), and キャンセル there
// ends it without a message.
TEST_F(MainWindowTest, ACommandWaitingOnTheTerminalShowsItsProgressAndCancels) {
    test::SimProcess& sim = StartSim("mini", {"--fault", "silent-key=ver"});
    CMVKAppDlg& window = Window(sim.DevicePath());
    boxes_.Clear();
    QString title;
    test::WindowActor cancel([&](QWidget* widget) {
        auto* progress = qobject_cast<CProgressDlg*>(widget);
        QPushButton* button = progress != nullptr ? progress->findChild<QPushButton*>() : nullptr;
        if (button == nullptr || !Logged(sim, "ver")) {
            return false;
        }
        title = progress->windowTitle();
        button->click();
        return true;
    });
    window.Action(cmd::kReadDeviceInfo)->trigger();
    EXPECT_EQ(title, QStringLiteral("機器情報の読み込み"));
    EXPECT_TRUE(Messages(boxes_).empty());
    EXPECT_FALSE(window.Terminal().IsConnected());
    EXPECT_FALSE(window.Guarded());
}

TEST_F(MainWindowTest, AcceleratorsReachTheirCommands) {
    test::SimProcess& sim = StartSim("minis", {"--tid", "KEY-1"});
    CMVKAppDlg& window = Window(sim.DevicePath());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(PanelTexts(window)[1], QStringLiteral("KEY-1"));
    // The first session's notice has come and gone; the window is active again.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("端末ID:KEY-1\r\n")));
}

TEST_F(MainWindowTest, ChangeSettingsIsGrayedWhileTheSlimWindowIsOpen) {
    CMVKAppDlg& window = Window();
    auto* slim = new QWidget;
    window.SetSlimSlot(slim);
    EXPECT_FALSE(window.Action(cmd::kChangeSettings)->isEnabled());
    window.ModalGuard(true);
    window.ModalGuard(false);
    EXPECT_FALSE(window.Action(cmd::kChangeSettings)->isEnabled());
    delete slim;
    EXPECT_EQ(window.SlimSlot(), nullptr);
    EXPECT_TRUE(window.Action(cmd::kChangeSettings)->isEnabled());
}

// MORVIK_TRACE makes the tool write its conversation with the terminal to standard error, each
// line sent as a "> " entry; without it nothing of the kind is written.
TEST_F(MainWindowTest, TraceVariableShowsTheConversationOnStandardError) {
    test::SimProcess& sim = StartSim("mini");
    for (const char* trace : {"1", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(trace != nullptr ? "MORVIK_TRACE=1" : "no MORVIK_TRACE");
        const test::ScopedEnv variable("MORVIK_TRACE", trace);
        const test::StderrCapture err;
        CMVKAppDlg& window = Window(sim.DevicePath());
        boxes_.Clear();
        window.Action(cmd::kReadDeviceInfo)->trigger();
        EXPECT_EQ(PanelTexts(window)[0].toStdString(), "ZRT450");
        const std::string text = err.Text();
        EXPECT_EQ(text.find("> config mini\\r") != std::string::npos, trace != nullptr) << text;
    }
}

}  // namespace
}  // namespace morvik
