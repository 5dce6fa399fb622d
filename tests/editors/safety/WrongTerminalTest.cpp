// Every write of every settings window identifies the terminal first: attached to a terminal of
// another edition, each window shows 386 under "設定書き込み", the terminal receives nothing but
// the identification and is left as after a read ("reboot s", or "exit" for a Slim), and the port
// is closed.

#include <QPushButton>
#include <functional>

#include "editors/CByteField.h"
#include "editors/CConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniEasyDlg.h"
#include "editors/CMiniSXCustomDlg.h"
#include "editors/CMiniSXEasyDlg.h"
#include "editors/CMiniSXServiceDlg.h"
#include "editors/CMiniServiceDlg.h"
#include "editors/CServiceDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

using test::SimProcess;

class WrongTerminalTest : public test::AppFixture {
  protected:
    // Writes from a window to the simulator's terminal and checks that it was refused untouched.
    void ExpectRefused(const std::string& window, SimProcess& sim, bool slim,
                       const std::function<void()>& write) {
        SCOPED_TRACE(window + " on " + sim.DevicePath());
        main_->Terminal().SetDevicePath(sim.DevicePath());
        const std::size_t before = sim.LogLines().size();
        const long boot = sim.Boot();
        boxes_.Clear();
        write();
        EXPECT_EQ(
            test::Messages(boxes_),
            std::vector<std::string>{"設定書き込み|" +
                                     std::string(res::Text(res::ids::kNotThisEditionsTerminal))});
        const std::vector<std::string> all = sim.LogLines();
        const std::vector<std::string> lines(all.begin() + static_cast<std::ptrdiff_t>(before),
                                             all.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "ver"), lines.end());
        for (const std::string& line : lines) {
            for (const char* write : {"pset", "pclr", "x ", "ndef", "rtc", "reboot\r", "["}) {
                EXPECT_FALSE(line.starts_with(write)) << line;
            }
            EXPECT_NE(line, "reboot");
        }
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), slim ? "exit" : "reboot s");
        EXPECT_FALSE(main_->Terminal().IsConnected());
        if (!slim) {
            // The next window finds it awake again.
            ASSERT_TRUE(sim.WaitForBoot(boot + 1));
        }
    }

    CMVKAppDlg* main_ = nullptr;
};

MiniSettings ValidMini() {
    return test::EveryRecordKind();
}

MiniSxSettings ValidMiniSx() {
    MiniSxSettings settings;
    for (FunctionSet& set : settings.sets) {
        set.docomo.browser.url = "http://d.jp/";
        set.other.browser.url = "http://o.jp/";
    }
    return settings;
}

TEST_F(WrongTerminalTest, EveryWindowRefusesATerminalOfAnotherEditionBeforeWritingAnything) {
    SimProcess& mini = StartSim("minis");
    SimProcess& miniSx = StartSim("minisx");
    SimProcess& slim = StartSim("slim");
    main_ = &Window(mini.DevicePath());
    CMVKAppDlg& main = *main_;

    using Family = CMVKAppDlg::Family;
    auto* detailed = new CMiniCustomDlg(main);
    main.RegisterSettingsWindow(Family::Mini, detailed);
    detailed->Settings() = ValidMini();
    detailed->RefreshAll();
    auto* easy = new CMiniEasyDlg(main);
    main.RegisterSettingsWindow(Family::Mini, easy);
    test::Type(easy->UrlField(), "http://e.jp/");
    CMiniServiceDlg service(main, &main);
    test::Type(service.UrlField(), "http://s.jp/");
    auto* detailedSx = new CMiniSXCustomDlg(main);
    main.RegisterSettingsWindow(Family::MiniSx, detailedSx);
    detailedSx->Settings() = ValidMiniSx();
    detailedSx->RefreshAll();
    auto* easySx = new CMiniSXEasyDlg(main);
    main.RegisterSettingsWindow(Family::MiniSx, easySx);
    test::Type(easySx->UrlField(), "http://e.jp/");
    CMiniSXServiceDlg serviceSx(main, &main);
    test::Type(serviceSx.UrlField(), "http://s.jp/");
    auto* slimEditor = new CConfigDlg(main);
    SlimEditorState slimState;
    slimState.browser.url = "http://b.jp/";
    slimEditor->SetState(slimState);
    CServiceDlg slimService(main, &main);
    SlimEditorState serviceState = slimService.State();
    serviceState.browser.url = "http://b.jp/?";
    slimService.SetState(serviceState);

    const std::vector<std::pair<std::string, QPushButton*>> miniFamily = {
        {"Mini detailed", detailed->WriteButton()},
        {"Mini easy", easy->WriteButton()},
        {"Mini service", service.WriteButton()}};
    for (const auto& [name, button] : miniFamily) {
        ExpectRefused(name, miniSx, false, [button] { button->click(); });
        ExpectRefused(name, slim, true, [button] { button->click(); });
    }
    const std::vector<std::pair<std::string, QPushButton*>> miniSxFamily = {
        {"MiniSx detailed", detailedSx->WriteButton()},
        {"MiniSx easy", easySx->WriteButton()},
        {"MiniSx service", serviceSx.WriteButton()}};
    for (const auto& [name, button] : miniSxFamily) {
        ExpectRefused(name, mini, false, [button] { button->click(); });
        ExpectRefused(name, slim, true, [button] { button->click(); });
    }
    for (CConfigDlg* editor : {slimEditor, static_cast<CConfigDlg*>(&slimService)}) {
        auto* write = editor->findChild<QPushButton*>(QStringLiteral("write"));
        ASSERT_NE(write, nullptr);
        ExpectRefused("Slim", mini, false, [write] { write->click(); });
        ExpectRefused("Slim", miniSx, false, [write] { write->click(); });
    }
    // Nothing was taken for written: every window still holds its edits.
    for (const ISettingsWindow* window :
         std::initializer_list<const ISettingsWindow*>{detailed, easy, detailedSx, slimEditor}) {
        EXPECT_TRUE(window->HasUnsavedChanges());
    }
}

}  // namespace
}  // namespace morvik
