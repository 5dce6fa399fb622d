// The MiniSx easy and service windows against a simulated MiniSx, driven as an operator does:
// the chooser's easy path opens the MiniSx window and its write gives every group of both sets
// and the NFC smartphones one browser launch without a query; Ctrl+S opens the MiniSx service
// window with the preferences' texts and writes encrypted queries; a read, and a write the
// terminal refuses, leave the terminal with "reboot s" before the port closes.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <fstream>

#include "app/CommandIds.h"
#include "dialogs/CMiniSXProgressDlg.h"
#include "editors/CByteField.h"
#include "editors/CMiniSXEasyDlg.h"
#include "editors/CMiniSXServiceDlg.h"
#include "editors/CSelectModeDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using Family = CMVKAppDlg::Family;

const std::string kWriteDone = "書き込み完了|書き込みが完了し、再起動しました。";

class MiniSxQuickWindowsTest : public test::AppFixture {
  protected:
    // The NFC browser URL the simulator holds (its NDEF text).
    static std::string NdefText(const test::SimProcess& sim) {
        std::ifstream in(sim.StatePath(), std::ios::binary);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with("ndef ")) {
                return line.substr(5);
            }
        }
        return {};
    }
    // The notes of a window, one per line.
    static std::string Notes(const QWidget& window) {
        std::string notes;
        for (const QLabel* label : window.findChildren<QLabel*>()) {
            if (label->wordWrap()) {
                notes += label->text().toStdString() + "\n";
            }
        }
        return notes;
    }
    // 機器設定の変更 → かんたん設定 on the main window: the easy window that opened.
    CMiniEasyDlg* OpenEasy(CMVKAppDlg& main) {
        test::WindowActor chooser([this](QWidget* widget) {
            auto* dialog = qobject_cast<CSelectModeDlg*>(widget);
            if (dialog != nullptr) {
                chooserTitle_ = dialog->windowTitle().toStdString();
                dialog->EasyButton()->click();
            }
            return dialog != nullptr;
        });
        main.Action(cmd::kChangeSettings)->trigger();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* easy = qobject_cast<CMiniEasyDlg*>(widget); easy && easy->isVisible()) {
                return easy;
            }
        }
        return nullptr;
    }

    std::string chooserTitle_;
};

TEST_F(MiniSxQuickWindowsTest, ChooserOpensTheMiniSxEasyWindowWhoseWriteReachesEveryGroup) {
    test::SimProcess& sim =
        StartSim("minisx", {"--param", "fchg=2", "--param", "smp=2", "--param", "nfc=0", "--param",
                            "nque=1", "--ndef", "http://old/"});
    CMVKAppDlg& main = Window(sim.DevicePath());
    CMiniEasyDlg* easy = OpenEasy(main);
    ASSERT_NE(easy, nullptr);
    EXPECT_EQ(chooserTitle_, res::Text(ids::kMiniSxSelectModeCaption));
    EXPECT_NE(qobject_cast<CMiniSXEasyDlg*>(easy), nullptr) << easy->metaObject()->className();
    EXPECT_EQ(easy->windowTitle().toStdString(), "モルヴィク・ミニSx　かんたん設定");
    EXPECT_EQ(Notes(*easy), std::string(res::Text(ids::kMiniSxSameBrowserNote)) + "\n" +
                                "クエリは付加しません。\n");
    EXPECT_EQ(main.SettingsWindowCount(Family::MiniSx), 1);

    easy->SetCloseAfterWrite(false);
    test::Type(easy->UrlField(), "http://e.jp/");
    test::Type(easy->MessageField(), "Hi");
    easy->ClockBox()->setChecked(false);
    boxes_.Clear();
    easy->WriteButton()->click();
    EXPECT_EQ(test::Messages(boxes_), std::vector<std::string>{kWriteDone});
    ASSERT_TRUE(sim.WaitForLogLine("reboot"));
    for (const char* key : {"psA1", "psB1", "psA2", "psB2"}) {
        EXPECT_EQ(sim.StateValue(key), "00c02http://e.jp/Hi") << key;
    }
    for (const char* key : {"que1", "que2", "fchg", "nque"}) {
        EXPECT_EQ(sim.StateValue(key), "0") << key;
    }
    EXPECT_EQ(sim.StateValue("nfc"), "2");
    EXPECT_EQ(NdefText(sim), "http://e.jp/");
    // The write ends with the applying reboot, the clock left alone.
    const std::vector<std::string> lines = sim.LogLines();
    EXPECT_EQ(lines.back(), "reboot");
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("ndef s 0 ")) << lines[lines.size() - 2];
    EXPECT_FALSE(main.Terminal().IsConnected());
    EXPECT_TRUE(easy->isVisible() && easy->isEnabled());
    easy->close();
}

TEST_F(MiniSxQuickWindowsTest, ServiceCommandStartsFromThePreferencesAndEncryptsEveryQuery) {
    std::ofstream(IniPath()) << "[MorvikMini/Slim]\r\nServiceBrowserUrl=http://svc/?\r\n"
                                "ServiceBrowserMessage=Welcome\r\nCloseCheck=1\r\n";
    test::SimProcess& sim = StartSim("minisx");
    CMVKAppDlg& main = Window(sim.DevicePath());
    std::string className, title, url, message, notes;
    test::WindowActor actor([&](QWidget* widget) {
        auto* service = qobject_cast<CMiniEasyDlg*>(widget);
        if (service == nullptr) {
            return false;
        }
        className = service->metaObject()->className();
        title = service->windowTitle().toStdString();
        url = service->UrlField()->Text();
        message = service->MessageField()->Text();
        notes = Notes(*service);
        // Pressed once this poll is over: the write runs modal loops of its own.
        QTimer::singleShot(0, service, [service] {
            service->ClockBox()->setChecked(false);
            service->WriteButton()->click();
            if (service->isVisible()) {
                service->reject();
            }
        });
        return true;
    });
    main.Action(cmd::kServiceSettings)->trigger();
    ASSERT_TRUE(actor.Done());
    EXPECT_EQ(className, "morvik::CMiniSXServiceDlg");
    EXPECT_EQ(title, "モルヴィク・ミニSx サービス設定");
    EXPECT_EQ(url, "http://svc/?");
    EXPECT_EQ(message, "Welcome");
    EXPECT_EQ(notes, std::string(res::Text(ids::kServiceIntro)) + "\n" +
                         std::string(res::Text(ids::kMiniSxSameBrowserNote)) +
                         "\n暗号化クエリを付加します。\n");
    EXPECT_EQ(test::Messages(boxes_), std::vector<std::string>{kWriteDone});
    ASSERT_TRUE(sim.WaitForLogLine("reboot"));
    for (const char* key : {"psA1", "psB1", "psA2", "psB2"}) {
        EXPECT_EQ(sim.StateValue(key), "00c07http://svc/?Welcome") << key;
    }
    EXPECT_EQ(sim.StateValue("que1"), "15");
    EXPECT_EQ(sim.StateValue("que2"), "15");
    EXPECT_EQ(sim.StateValue("nque"), "2");
    EXPECT_EQ(sim.StateValue("nfc"), "2");
    EXPECT_EQ(NdefText(sim), "http://svc/?");
    EXPECT_TRUE(main.isEnabled()) << "the guard is off again";
}

TEST_F(MiniSxQuickWindowsTest, AWriteTheTerminalRefusesLeavesItWithRebootAndTheWindowAsItWas) {
    test::SimProcess& sim = StartSim("minisx", {"--fault", "bad-token=nfc"});
    CMVKAppDlg& main = Window(sim.DevicePath());
    auto* easy = new CMiniSXEasyDlg(main);
    easy->show();
    test::Type(easy->UrlField(), "http://e.jp/");
    easy->WriteButton()->click();
    EXPECT_EQ(test::Messages(boxes_),
              std::vector<std::string>{"エラー|" +
                                       std::string(res::Text(ids::kWriteChecksumError)) + "(368)"});
    ASSERT_TRUE(sim.WaitForLogLine("reboot s"));
    const std::vector<std::string> lines = sim.LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("pset nfc ")) << lines[lines.size() - 2];
    EXPECT_EQ(lines.back(), "reboot s");
    EXPECT_FALSE(main.Terminal().IsConnected());
    EXPECT_TRUE(easy->isVisible() && easy->isEnabled());
    easy->close();
}

TEST_F(MiniSxQuickWindowsTest, AReadLeavesTheTerminalWithRebootInEveryOutcome) {
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int result;
    };
    const Case cases[] = {{"complete", {}, QDialog::Accepted},
                          {"refused at rtcc", {"--fault", "error-key=rtcc"}, QDialog::Rejected}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::SimProcess& sim = StartSim("minisx", c.args);
        CMVKAppDlg& main = Window(sim.DevicePath());
        CTerminal& terminal = main.Terminal();
        CMiniSxReadSession read(terminal, true);
        CMiniSXProgressDlg dialog(read);
        std::vector<std::string> atClose;
        dialog.SetExchangeEndedHandler([&] {
            // "reboot s" goes out without an answer; it must be on its way before the port closes.
            if (sim.WaitForLogLine("reboot s")) {
                atClose = sim.LogLines();
            }
            terminal.Disconnect();
        });
        EXPECT_EQ(dialog.exec(), c.result) << read.ErrorText();
        ASSERT_FALSE(atClose.empty());
        EXPECT_EQ(atClose.back(), "reboot s");
        EXPECT_EQ(std::count(atClose.begin(), atClose.end(), "reboot s"), 1);
        EXPECT_FALSE(terminal.IsConnected());
    }
}

}  // namespace
}  // namespace morvik
