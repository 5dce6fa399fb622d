// An end signal (SIGTERM, SIGINT, SIGHUP) ends the desktop tool's run at every stage: at once when
// idle, and during a main-window command or a settings session only after that work has stopped
// the way its キャンセル stops it, with the terminal left as the work's rules say. The signals are
// raised for real; only the final quit is counted here instead of ending the test program.

#include <signal.h>

#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstring>

#include "app/CEndOfRun.h"
#include "app/CommandIds.h"
#include "app/EndSignals.h"
#include "dialogs/CMiniProgressDlg.h"
#include "dialogs/SessionWindowMark.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/MiniWriteFrame.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

bool LoggedStarting(const test::SimProcess& sim, const std::string& prefix) {
    const std::vector<std::string> lines = sim.LogLines();
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.starts_with(prefix); });
}

class EndSignalTest : public test::AppFixture {
  protected:
    // The end of the run for window, as the program installs it, with a counted quit.
    void InstallEnd(CMVKAppDlg& window) {
        quits_ = 0;
        sessionsAtQuit_ = 0;
        end_ = std::make_unique<CEndOfRun>(window.Reporter(), [this] {
            ++quits_;
            sessionsAtQuit_ = CSessionWindowMark::Shown().size();
        });
        OnEndSignals([this] { end_->Begin(); });
    }
    // Waits for the quit (a ceiling for a hung test, not a timing).
    void ExpectQuitWithNoSessionLeft() {
        for (int i = 0; i < 600 && quits_ == 0; ++i) {
            QTest::qWait(50);
        }
        EXPECT_EQ(quits_, 1);
        EXPECT_EQ(sessionsAtQuit_, 0u);
    }
    void TearDown() override { OnEndSignals({}); }

    std::unique_ptr<CEndOfRun> end_;
    int quits_ = 0;
    size_t sessionsAtQuit_ = 0;
};

TEST_F(EndSignalTest, EverySignalEndsTheRunAtEveryStage) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(::strsignal(signal));
        {
            SCOPED_TRACE("idle");
            InstallEnd(Window());
            ::raise(signal);
            ExpectQuitWithNoSessionLeft();
        }
        {
            SCOPED_TRACE("a main-window command waiting on the terminal");
            test::SimProcess& sim = StartSim("mini", {"--fault", "silent-key=ver"});
            CMVKAppDlg& window = Window(sim.DevicePath());
            InstallEnd(window);
            boxes_.Clear();
            test::WindowActor raiser([&](QWidget* widget) {
                if (qobject_cast<CProgressDlg*>(widget) == nullptr || !Logged(sim, "ver")) {
                    return false;
                }
                ::raise(signal);
                return true;
            });
            window.Action(cmd::kReadDeviceInfo)->trigger();
            ExpectQuitWithNoSessionLeft();
            EXPECT_TRUE(raiser.Done());
            EXPECT_TRUE(test::Messages(boxes_).empty());
            EXPECT_FALSE(window.Terminal().IsConnected());
        }
        {
            SCOPED_TRACE("a settings write");
            test::SimProcess& sim = StartSim("mini");
            CMVKAppDlg& window = Window(sim.DevicePath());
            InstallEnd(window);
            window.Terminal().SetFirstCommunication(false);
            ASSERT_TRUE(window.Terminal().Connect(false));
            ASSERT_TRUE(window.Terminal().OpenSession());
            CMiniWriteSession write(window.Terminal(), MiniSettings{}, false);
            CMiniProgressDlg progress(write, &window);
            test::WindowActor raiser([&](QWidget* widget) {
                if (widget != &progress || !LoggedStarting(sim, "pset ")) {
                    return false;
                }
                ::raise(signal);
                return true;
            });
            EXPECT_EQ(progress.exec(), QDialog::Rejected);
            EXPECT_FALSE(write.Completed());
            // As the editor ends a write that did not complete: nothing written is applied.
            EndMiniWrite(window.Terminal(), write);
            window.Terminal().Disconnect();
            ExpectQuitWithNoSessionLeft();
            EXPECT_TRUE(sim.WaitForLogLine("reboot s"));
            const std::vector<std::string> lines = sim.LogLines();
            EXPECT_EQ(std::count(lines.begin(), lines.end(), "reboot"), 0);
        }
    }
}

}  // namespace
}  // namespace morvik
