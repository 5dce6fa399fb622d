// The Slim windows against simulated terminals through the main window's commands: 機器設定の変更
// reads into the Slim slot and the window writes back exactly what it shows; a failed read leaves
// no window; the service window writes its fixed queries; a terminal of another edition is
// refused. Every path leaves the terminal out of command mode.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <fstream>

#include "app/CommandIds.h"
#include "editors/CConfigDlg.h"
#include "editors/CServiceDlg.h"
#include "res/Strings.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

constexpr const char* kFirstNotice = "通信を開始します|";

class SlimTerminalWindowTest : public test::AppFixture {
  protected:
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const std::string& box : boxes_.Boxes()) {
            if (!box.starts_with(kFirstNotice)) {
                out.push_back(box);
            }
        }
        return out;
    }
    static std::string Box(int caption, int text) {
        return std::string(res::Text(caption)) + "|" + std::string(res::Text(text));
    }
    // The terminal's last line: a Slim leaves command mode with "exit".
    static std::string LastLine(const test::SimProcess& sim) {
        const std::vector<std::string> lines = sim.LogLines();
        return lines.empty() ? std::string() : lines.back();
    }
    static void ExpectHolds(const test::SimProcess& sim, const SlimEditorState& state) {
        const SlimSettings expected = BuildSlimSettings(state);
        EXPECT_EQ(sim.StateValue("func"), expected.func);
        EXPECT_EQ(sim.StateValue("psh1"), expected.psh1);
        EXPECT_EQ(sim.StateValue("psh2"), expected.psh2);
        EXPECT_EQ(sim.StateValue("que"), expected.que);
        EXPECT_EQ(sim.StateValue("disp"), expected.disp);
    }
    static constexpr int kWriteDone = 413;
};

TEST_F(SlimTerminalWindowTest, ChangeSettingsReadsIntoTheSlotAndWritesExactlyTheNewValues) {
    test::SimProcess& sim = StartSim("slim", {"--tid", "S-42"});
    CMVKAppDlg& main = Window(sim.DevicePath());
    QAction* change = main.Action(cmd::kChangeSettings);
    change->trigger();
    auto* editor = qobject_cast<CConfigDlg*>(main.SlimSlot());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("モルヴィク・スリム 機器設定[S-42]"));
    EXPECT_EQ(Messages(), std::vector<std::string>{Box(414, 415)});
    EXPECT_FALSE(change->isEnabled());
    EXPECT_EQ(LastLine(sim), "exit");
    EXPECT_FALSE(main.Terminal().IsConnected());

    SlimEditorState state = editor->State();
    state.function = SlimFunction::BrowserMailer;
    state.browser.url = "http://new.example/?";
    state.browserQuery = true;
    state.mailer.to = "a@b.jp";
    editor->SetState(state);
    boxes_.Clear();
    editor->findChild<QPushButton*>(QStringLiteral("write"))->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{Box(412, kWriteDone)});
    ExpectHolds(sim, state);
    EXPECT_EQ(LastLine(sim), "exit");
    EXPECT_TRUE(editor->isVisible());  // close-after-write is off

    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.SlimSlot(), nullptr);
    EXPECT_TRUE(change->isEnabled());
}

TEST_F(SlimTerminalWindowTest, AFailedReadLeavesNoWindowAndTheTerminalOutOfCommandMode) {
    test::SimProcess& sim = StartSim("slim", {"--fault", "error-key=func"});
    CMVKAppDlg& main = Window(sim.DevicePath());
    main.Action(cmd::kChangeSettings)->trigger();
    EXPECT_EQ(Messages(),
              std::vector<std::string>{"エラー|" + std::string(res::Text(904)) + "\r\n"});
    EXPECT_EQ(main.SlimSlot(), nullptr);
    EXPECT_TRUE(main.Action(cmd::kChangeSettings)->isEnabled());
    EXPECT_EQ(LastLine(sim), "exit");
    EXPECT_FALSE(main.Terminal().IsConnected());
}

TEST_F(SlimTerminalWindowTest, ServiceWindowCannotSaveAndWritesEncryptedQueries) {
    std::ofstream(IniPath()) << "[MorvikMini/Slim]\r\nServiceBrowserUrl=http://svc/?\r\n"
                                "ServiceTorucaUrl=http://trc/&\r\nServiceTorucaIcon=1F\r\n";
    test::SimProcess& sim = StartSim("slim");
    CMVKAppDlg& main = Window(sim.DevicePath());
    CServiceDlg dialog(main, &main);
    dialog.show();
    EXPECT_TRUE(dialog.findChild<QPushButton*>(QStringLiteral("save"))->isHidden());
    EXPECT_FALSE(dialog.findChild<QGroupBox*>(QStringLiteral("mailer"))->isEnabled());
    auto* functions = dialog.findChild<QComboBox*>(QStringLiteral("function"));
    ASSERT_EQ(functions->count(), 2);
    functions->setCurrentIndex(1);
    // The service writes its queries as it must: their labels are grayed with the pairs.
    for (const char* group : {"browser", "toruca"}) {
        const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(group) + "QueryLabel");
        ASSERT_NE(label, nullptr) << group;
        EXPECT_TRUE(label->testAttribute(Qt::WA_ForceDisabled)) << group;
    }
    dialog.findChild<QPushButton*>(QStringLiteral("write"))->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{Box(412, kWriteDone)});
    EXPECT_FALSE(dialog.isVisible());        // a service window closes after its write
    EXPECT_EQ(sim.StateValue("que"), "15");  // both records: query on, encrypted
    EXPECT_EQ(sim.StateValue("psh1").substr(0, 1), "1");
    EXPECT_EQ(sim.StateValue("psh2").substr(0, 1), "0");
    EXPECT_NE(sim.StateValue("psh2").find("http://svc/?"), std::string::npos);  // the preset
    EXPECT_EQ(LastLine(sim), "exit");
}

TEST_F(SlimTerminalWindowTest, AMiniBehindTheWindowIsRefusedAndRestarted) {
    test::SimProcess& sim = StartSim("mini");
    CMVKAppDlg& main = Window(sim.DevicePath());
    auto* editor = new CConfigDlg(main);
    editor->show();
    SlimEditorState state;
    state.browser.url = "http://a/";
    editor->SetState(state);
    editor->findChild<QPushButton*>(QStringLiteral("write"))->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{Box(387, 386)});
    EXPECT_TRUE(sim.WaitForLogLine("reboot s"));  // sent without waiting for a reply
    EXPECT_FALSE(main.Terminal().IsConnected());
    EXPECT_FALSE(main.Guarded());
    EXPECT_TRUE(editor->isEnabled());
}

}  // namespace
}  // namespace morvik
