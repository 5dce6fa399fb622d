// The Slim progress window, offscreen: it runs the session's worker, follows its bar and closes
// itself with the session's outcome; the user cannot close it meanwhile.

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "dialogs/CProgressDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"
#include "support/SimProcess.h"
#include "support/SimTerminal.h"
#include "support/qt/ProgressWatch.h"

namespace morvik {
namespace {

TEST(ProgressDlg, SlimReadClosesAcceptedAndEndsTheExchange) {
    test::SimTerminal slim("slim");
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    CProgressDlg dialog(read);
    int ended = 0;
    dialog.SetExchangeEndedHandler([&] {
        ++ended;
        slim.Terminal().Disconnect();
    });
    const test::ProgressShown shown = test::RunProgressDialog(dialog);
    EXPECT_EQ(shown.result, QDialog::Accepted) << read.ErrorText();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kReadingCaption));
    EXPECT_EQ(shown.maximum, 7);
    EXPECT_TRUE(read.Loaded());
    EXPECT_FALSE(slim.Terminal().IsConnected());
}

TEST(ProgressDlg, ReadWarningsCloseRejectedWithTheStateKept) {
    test::SimTerminal slim("slim", {"--param", "disp=abc"});
    ASSERT_TRUE(slim.Open());
    CSlimReadSession read(slim.Terminal());
    CProgressDlg dialog(read);
    EXPECT_EQ(test::RunProgressDialog(dialog).result, QDialog::Rejected);
    EXPECT_TRUE(read.WarningsOnly());
    EXPECT_TRUE(read.Loaded());
}

TEST(ProgressDlg, FailedWriteClosesRejectedWithItsText) {
    test::SimTerminal slim("slim", {"--fault", "bad-token=psh1"});
    ASSERT_TRUE(slim.Open());
    SlimEditorState state;
    state.browser.url = "http://b/";
    CSlimWriteSession write(slim.Terminal(), state);
    CProgressDlg dialog(write);
    const test::ProgressShown shown = test::RunProgressDialog(dialog);
    EXPECT_EQ(shown.result, QDialog::Rejected);
    EXPECT_EQ(shown.title.toStdString(), res::Text(res::ids::kWritingCaption));
    EXPECT_EQ(write.ErrorText(), res::TextCp932(res::ids::kWriteChecksumError) + "(213)\r\n");
}

TEST(ProgressDlg, AFileReadDoesNotEndATerminalExchange) {
    test::TempDir dir;
    CSlimReadSession read(dir.File("missing.dat"));
    CProgressDlg dialog(read);
    int ended = 0;
    dialog.SetExchangeEndedHandler([&] { ++ended; }, true);
    EXPECT_EQ(test::RunProgressDialog(dialog).result, QDialog::Rejected);
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(read.ErrorText(), res::TextCp932(res::ids::kFileOpenFailed) + "\r\n");
}

// A worker that holds at position 3 until it is let go.
class HeldWorker : public CSessionWorker {
  public:
    HeldWorker() { SetMaximum(7); }
    ~HeldWorker() override { Join(); }
    std::atomic<bool> release{false};

  protected:
    void Run() override {
        SetTitle(res::ids::kWritingCaption);
        SetPosition(3);
        while (!release.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        Complete();
    }
};

TEST(ProgressDlg, EscEnterAndCloseDoNothingWhileTheWorkerRuns) {
    HeldWorker worker;
    CProgressDlg dialog(worker);
    bool stillOpen = false;
    int barValue = -1;
    QTimer::singleShot(300, [&] {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        dialog.close();
        dialog.reject();
        stillOpen = dialog.isVisible();
        barValue = dialog.findChild<QProgressBar*>()->value();
        worker.release.store(true);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(barValue, 3);
}

}  // namespace
}  // namespace morvik
