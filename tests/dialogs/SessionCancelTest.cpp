// A Mini and a MiniSx read and write whose session is cancelled while its progress window runs:
// the window closes with Cancel, the terminal is told "reboot s" and never "reboot" (nothing
// written is applied), and a cancelled write never reports success.

#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>
#include <algorithm>

#include "dialogs/CMiniProgressDlg.h"
#include "dialogs/CMiniSXProgressDlg.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/MiniWriteFrame.h"
#include "sessions/mini/MiniTestData.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

using Lines = std::vector<std::string>;

long CountStarting(const Lines& lines, const std::string& prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.starts_with(prefix); });
}

// Runs the window modally and cancels its session once the terminal has taken the first line
// that starts with prefix (every exchange waits a tenth of a second, so most of the session is
// still to come). Returns the window's result.
int RunAndCancel(QDialog& dialog, CSessionWorker& session, const test::SimProcess& sim,
                 const std::string& prefix) {
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (CountStarting(sim.LogLines(), prefix) > 0) {
            session.RequestCancel();
            watch.stop();
        }
    });
    watch.start(10);
    return dialog.exec();
}

// What the terminal was told at the end: "reboot s" was sent and "reboot" never was.
void ExpectLeftWithoutApplying(const test::SimProcess& sim) {
    ASSERT_TRUE(sim.WaitForLogLine("reboot s"));
    const Lines lines = sim.LogLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "reboot"), 0);
}

TEST(SessionCancel, MiniReadEndsWithTheTerminalLeftAsItWas) {
    test::SimTerminal mini("mini");
    CMiniReadSession read(mini.Terminal(), true);
    CMiniProgressDlg dialog(read);
    dialog.SetExchangeEndedHandler([&] { mini.Terminal().Disconnect(); });
    EXPECT_EQ(RunAndCancel(dialog, read, mini.Sim(), "pget "), QDialog::Rejected);
    EXPECT_FALSE(read.Completed());
    ExpectLeftWithoutApplying(mini.Sim());
    EXPECT_LT(CountStarting(mini.Sim().LogLines(), "pget "), 42) << "the read stopped early";
}

TEST(SessionCancel, MiniWriteIsNeitherAppliedNorReportedAsDone) {
    test::SimTerminal mini("mini");
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession write(mini.Terminal(), test::SampleSettings(), false);
    CMiniProgressDlg dialog(write);
    EXPECT_EQ(RunAndCancel(dialog, write, mini.Sim(), "pset "), QDialog::Rejected);
    EXPECT_FALSE(write.Completed());
    EXPECT_TRUE(write.Failed());
    // As the editor does after a write that did not end with OK.
    EndMiniWrite(mini.Terminal(), write);
    ExpectLeftWithoutApplying(mini.Sim());
    EXPECT_LT(CountStarting(mini.Sim().LogLines(), "pset ") +
                  CountStarting(mini.Sim().LogLines(), "pclr "),
              42)
        << "the write stopped early";
}

TEST(SessionCancel, MiniSxReadEndsWithTheTerminalLeftAsItWas) {
    test::SimTerminal sim("minisx");
    CMiniSxReadSession read(sim.Terminal(), true);
    CMiniSXProgressDlg dialog(read);
    dialog.SetExchangeEndedHandler([&] { sim.Terminal().Disconnect(); });
    EXPECT_EQ(RunAndCancel(dialog, read, sim.Sim(), "pget "), QDialog::Rejected);
    EXPECT_FALSE(read.Completed());
    ExpectLeftWithoutApplying(sim.Sim());
    EXPECT_LT(CountStarting(sim.Sim().LogLines(), "pget "), 42) << "the read stopped early";
}

TEST(SessionCancel, MiniSxWriteIsNeitherAppliedNorReportedAsDone) {
    test::SimTerminal sim("minisx");
    ASSERT_TRUE(sim.Open());
    MiniSxSettings model;
    model.nfc = {kNfcModeBrowser, kNfcQueryNone, "http://a/"};
    CMiniSxWriteSession write(sim.Terminal(), model, false);
    CMiniSXProgressDlg dialog(write);
    EXPECT_EQ(RunAndCancel(dialog, write, sim.Sim(), "pset "), QDialog::Rejected);
    EXPECT_FALSE(write.Completed());
    EXPECT_TRUE(write.Failed());
    EndMiniWrite(sim.Terminal(), write);
    ExpectLeftWithoutApplying(sim.Sim());
    EXPECT_EQ(CountStarting(sim.Sim().LogLines(), "ndef s "), 0) << "the write stopped early";
}

}  // namespace
}  // namespace morvik
