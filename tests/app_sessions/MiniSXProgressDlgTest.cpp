// The MiniSx progress window, offscreen, over real sessions against a simulated MiniSx: it runs
// the worker, follows it and closes itself with the session's outcome.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTimer>

#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniSxReadSession.h"
#include "sessions/MiniSxWriteSession.h"
#include "sessions/dialogs/CMiniSXProgressDlg.h"
#include "support/SimProcess.h"
#include "support/SimTerminal.h"

namespace morvik {
namespace {

std::string SourceWav(const char* name) {
    return test::RequiredEnv("MORVIK_SOURCE_DIR") + "/wav/" + name;
}

// Runs the window modally while noting the highest bar value it showed.
struct Shown {
    int result = -1;
    int highest = 0;
    int movesDuringUpload = 0;  // changes of the bar seen while the image was on its way
    QString title;
};

Shown RunDialog(CMiniSXProgressDlg& dialog, const CMiniWriteFrame* write = nullptr) {
    Shown shown;
    QTimer watch;
    int last = -1;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* bar = dialog.findChild<QProgressBar*>()) {
            shown.highest = std::max(shown.highest, bar->value());
            if (write != nullptr && write->Uploading() && last >= 0 && bar->value() != last) {
                ++shown.movesDuringUpload;
            }
            last = bar->value();
        }
        if (!dialog.windowTitle().isEmpty()) {
            shown.title = dialog.windowTitle();
        }
    });
    watch.start(20);
    shown.result = dialog.exec();
    return shown;
}

TEST(MiniSXProgressDlg, ReadClosesAcceptedAndEndsTheExchange) {
    test::SimTerminal sim("minisx");
    CMiniSXReadSession read(sim.Terminal(), true);
    CMiniSXProgressDlg dialog(read);
    int ended = 0;
    dialog.SetExchangeEndedHandler([&] {
        ++ended;
        sim.Terminal().Disconnect();
    });
    const Shown shown = RunDialog(dialog);
    EXPECT_EQ(shown.result, QDialog::Accepted) << read.ErrorText();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kReadingCaption));
    EXPECT_EQ(read.Settings().nfc.url, "http://www.example.jp/nfc");
    EXPECT_FALSE(sim.Terminal().IsConnected());
}

TEST(MiniSXProgressDlg, WarningsCloseRejectedWithTheValuesKept) {
    test::SimTerminal sim("minisx", {"--param", "nfc=7"});
    CMiniSXReadSession read(sim.Terminal(), true);
    CMiniSXProgressDlg dialog(read);
    EXPECT_EQ(RunDialog(dialog).result, QDialog::Rejected);
    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_TRUE(read.Loaded());
}

TEST(MiniSXProgressDlg, DetailedWriteFollowsTheSoundUpload) {
    MiniSXSettings model;
    model.registerSounds = true;
    model.soundPaths = {
        SourceWav("mini_ok.wav"), SourceWav("mini_ng.wav"), "", "", SourceWav("kel_fin.wav"), ""};
    // Emulating the line speed makes the upload last long enough for several ticks.
    test::SimTerminal sim("minisx", {"--baud", "115200"});
    ASSERT_TRUE(sim.Open());
    CMiniSXWriteSession write(sim.Terminal(), model, false);
    CMiniSXProgressDlg dialog(write);
    const Shown shown = RunDialog(dialog, &write);
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
    MiniSXSettings model;
    model.nfc = {kNfcModeBrowser, kNfcQueryNone, "http://a/"};
    CMiniSXWriteSession write(sim.Terminal(), model, false);
    CMiniSXProgressDlg dialog(write);
    EXPECT_EQ(RunDialog(dialog).result, QDialog::Rejected);
    EXPECT_EQ(write.ErrorText(), res::TextCp932(res::ids::kWriteChecksumError) + "(382)\r\n");
}

}  // namespace
}  // namespace morvik
