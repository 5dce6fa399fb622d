// The Mini/MiniS progress window, offscreen, over real sessions against a simulated Mini: it
// runs the worker, follows it (the sound upload too) and closes itself with the session's
// outcome.

#include <gtest/gtest.h>

#include <QProgressBar>

#include "dialogs/CMiniProgressDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "sessions/mini/MiniTestData.h"
#include "support/Files.h"
#include "support/SimProcess.h"
#include "support/SimTerminal.h"
#include "support/Wave.h"
#include "support/qt/ProgressWatch.h"

namespace morvik {
namespace {

TEST(MiniProgressDlg, ReadClosesAcceptedAndEndsTheExchange) {
    test::SimTerminal mini("mini", {"--param", "isc=0123", "--param", "rslt=1"});
    CMiniReadSession read(mini.Terminal(), true);
    CMiniProgressDlg dialog(read);
    int ended = 0;
    dialog.SetExchangeEndedHandler([&] {
        ++ended;
        mini.Terminal().Disconnect();
    });
    const test::ProgressShown shown = test::RunProgressDialog(dialog);
    EXPECT_EQ(shown.result, QDialog::Accepted) << read.ErrorText();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kReadingCaption));
    EXPECT_EQ(shown.highest, 7);
    EXPECT_EQ(read.Settings().terminal.cardDetection, 1);
    EXPECT_FALSE(mini.Terminal().IsConnected());
}

TEST(MiniProgressDlg, WarningsCloseRejectedWithTheValuesKept) {
    test::SimTerminal mini("mini", {"--param", "isc=12345", "--param", "rslt=1"});
    CMiniReadSession read(mini.Terminal(), true);
    CMiniProgressDlg dialog(read);
    EXPECT_EQ(test::RunProgressDialog(dialog).result, QDialog::Rejected);
    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_EQ(read.Settings().terminal.cardDetection, 1);
}

TEST(MiniProgressDlg, DetailedWriteFollowsTheSoundUpload) {
    test::TempDir dir;
    MiniSettings settings = test::SampleSettings();
    settings.registerSounds = true;
    for (std::size_t slot = 0; slot < 4; ++slot) {
        settings.soundPaths[slot] = dir.File("s" + std::to_string(slot) + ".wav");
        test::WriteWave(settings.soundPaths[slot], 1000, static_cast<std::uint8_t>(slot));
    }
    // Emulating the line speed makes the upload (8 KB, 0.7 s on the wire) last long enough for
    // several ticks.
    test::SimTerminal mini("mini", {"--baud", "115200"});
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession write(mini.Terminal(), settings, false);
    CMiniProgressDlg dialog(write);
    const test::ProgressShown shown =
        test::RunProgressDialog(dialog, [&] { return write.Uploading(); });
    EXPECT_EQ(shown.result, QDialog::Accepted) << write.ErrorText();
    EXPECT_EQ(write.Maximum(), 42 + 8);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kWritingCaption));
    EXPECT_GT(shown.movesDuringUpload, 0);
    EXPECT_GT(shown.highest, 8);
}

TEST(MiniProgressDlg, AnUnconfirmedWriteClosesRejectedWithItsText) {
    test::SimTerminal mini("mini", {"--fault", "bad-token=lnv1"});
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession write(mini.Terminal(), test::SampleSettings(), false);
    CMiniProgressDlg dialog(write);
    EXPECT_EQ(test::RunProgressDialog(dialog, [&] { return write.Uploading(); }).result,
              QDialog::Rejected);
    EXPECT_EQ(write.ErrorText(), res::TextCp932(res::ids::kWriteChecksumError) + "(463)\r\n");
}

TEST(MiniProgressDlg, AnUnfinishedWriteLeavesTheTerminalBeforeThePortCloses) {
    test::SimTerminal mini("mini", {"--fault", "bad-token=lnv1"});
    ASSERT_TRUE(mini.Open());
    CMiniWriteSession write(mini.Terminal(), test::SampleSettings(), false);
    CMiniProgressDlg dialog(write);
    bool restartedFirst = false;
    dialog.SetExchangeEndedHandler([&] {
        // The window's own closing of the port comes after "reboot s" has gone out.
        restartedFirst = mini.Sim().WaitForLogLine("reboot s");
        mini.Terminal().Disconnect();
    });
    EXPECT_EQ(test::RunProgressDialog(dialog, [&] { return write.Uploading(); }).result,
              QDialog::Rejected);
    EXPECT_TRUE(restartedFirst);
    const std::vector<std::string> lines = mini.LinesSinceOpen("reboot s");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "reboot s"), 1);
}

}  // namespace
}  // namespace morvik
