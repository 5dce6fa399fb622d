// The MiniSx progress window, offscreen, over real sessions against a simulated MiniSx: it runs
// the worker, follows it and closes itself with the session's outcome.

#include <gtest/gtest.h>

#include <QProgressBar>

#include "dialogs/CMiniSXProgressDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniFamilyReadSession.h"
#include "sessions/MiniFamilyWriteSession.h"
#include "support/SimProcess.h"
#include "support/SimTerminal.h"
#include "support/qt/ProgressWatch.h"

namespace morvik {
namespace {

std::string SourceWav(const char* name) {
    return test::RequiredEnv("MORVIK_SOURCE_DIR") + "/wav/" + name;
}

TEST(MiniSXProgressDlg, ReadClosesAcceptedAndEndsTheExchange) {
    test::SimTerminal sim("minisx");
    CMiniSxReadSession read(sim.Terminal(), true);
    CMiniSXProgressDlg dialog(read);
    int ended = 0;
    dialog.SetExchangeEndedHandler([&] {
        ++ended;
        sim.Terminal().Disconnect();
    });
    const test::ProgressShown shown = test::RunProgressDialog(dialog);
    EXPECT_EQ(shown.result, QDialog::Accepted) << read.ErrorText();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kReadingCaption));
    EXPECT_EQ(read.Settings().nfc.url, "http://www.example.jp/nfc");
    EXPECT_FALSE(sim.Terminal().IsConnected());
}

TEST(MiniSXProgressDlg, WarningsCloseRejectedWithTheValuesKept) {
    test::SimTerminal sim("minisx", {"--param", "nfc=7"});
    CMiniSxReadSession read(sim.Terminal(), true);
    CMiniSXProgressDlg dialog(read);
    EXPECT_EQ(test::RunProgressDialog(dialog).result, QDialog::Rejected);
    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_TRUE(read.Loaded());
}

TEST(MiniSXProgressDlg, DetailedWriteFollowsTheSoundUpload) {
    MiniSxSettings model;
    model.registerSounds = true;
    model.soundPaths = {
        SourceWav("mini_ok.wav"), SourceWav("mini_ng.wav"), "", "", SourceWav("kel_fin.wav"), ""};
    // Emulating the line speed makes the upload last long enough for several ticks; the blocks
    // themselves reach the terminal at once, which is enough here and keeps the test short.
    test::SimTerminal sim("minisx", {"--baud", "115200", "--unpaced-input"});
    ASSERT_TRUE(sim.Open());
    CMiniSxWriteSession write(sim.Terminal(), model, false);
    CMiniSXProgressDlg dialog(write);
    const test::ProgressShown shown =
        test::RunProgressDialog(dialog, [&] { return write.Uploading(); });
    EXPECT_EQ(shown.result, QDialog::Accepted) << write.ErrorText();
    EXPECT_EQ(write.SoundCount(), 3);
    EXPECT_EQ(write.Maximum(), 42 + 6);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kWritingCaption));
    EXPECT_GT(shown.movesDuringUpload, 0);
    // The last poll leaves the bar full.
    EXPECT_EQ(dialog.findChild<QProgressBar*>()->value(), write.Maximum());
}

TEST(MiniSXProgressDlg, AnUnconfirmedWriteClosesRejected) {
    test::SimTerminal sim("minisx", {"--fault", "bad-token=ndef"});
    ASSERT_TRUE(sim.Open());
    MiniSxSettings model;
    model.nfc = {kNfcModeBrowser, kNfcQueryNone, "http://a/"};
    CMiniSxWriteSession write(sim.Terminal(), model, false);
    CMiniSXProgressDlg dialog(write);
    EXPECT_EQ(test::RunProgressDialog(dialog).result, QDialog::Rejected);
    EXPECT_EQ(write.ErrorText(), res::TextCp932(res::ids::kWriteChecksumError) + "(382)\r\n");
}

}  // namespace
}  // namespace morvik
