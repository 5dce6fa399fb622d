// The maintenance information and detection log windows offscreen against a simulated terminal:
// status texts, buttons, the files they leave, and cancel.

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "charts/CDetectionLogDlg.h"
#include "dialogs/CGetDlog.h"
#include "dialogs/CLogDlg.h"
#include "model/Pack.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/FirmwareImageFile.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

class SessionDialogsTest : public test::AppFixture {
  protected:
    CMVKAppDlg& Main(const std::string& edition, std::vector<std::string> args = {}) {
        sim_ = &StartSim(edition, std::move(args));
        CMVKAppDlg& main = Window(sim_->DevicePath());
        main.Terminal().SetFirstCommunication(false);
        return main;
    }
    static bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
        return QTest::qWaitFor(done, ms);
    }
    test::TempDir files_;
    test::SimProcess* sim_ = nullptr;
};

TEST_F(SessionDialogsTest, MaintenanceSaveRunsToItsEnd) {
    CMVKAppDlg& main = Main("mini");
    CLogDlg dialog(main);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "メインテナンス情報の保存");
    EXPECT_EQ(dialog.StatusText(),
              "メインテナンス情報を保存します。\n"
              "機器の電源をOFFにしたり、設定ケーブルを抜いたりしないでください。");
    EXPECT_TRUE(dialog.ProgressBar()->isHidden());
    EXPECT_EQ(dialog.CloseButton()->text(), "閉じる");

    const std::string path = files_.File("info.mnt");
    dialog.SaveTo(QString::fromStdString(path));
    EXPECT_EQ(dialog.StatusText(),
              "メインテナンス情報を保存中です。\n"
              "機器の電源をOFFにしたり、設定ケーブルを抜いたりしないでください。");
    EXPECT_FALSE(dialog.ProgressBar()->isHidden());
    EXPECT_FALSE(dialog.SaveButton()->isEnabled());
    EXPECT_EQ(dialog.CloseButton()->text(), "中止");
    ASSERT_TRUE(WaitFor([&] { return dialog.CloseButton()->text() == "閉じる"; }));
    EXPECT_FALSE(dialog.Running());
    EXPECT_EQ(dialog.StatusText(), "メインテナンス情報を保存しました。");
    EXPECT_EQ(dialog.CloseButton()->text(), "閉じる");
    EXPECT_FALSE(dialog.SaveButton()->isEnabled());
    const std::optional<std::string> text = Inflate(test::ReadWholeFile(path), 1 << 20);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 7), "-----\r\n");
    EXPECT_FALSE(main.Terminal().IsConnected());
    dialog.reject();
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(SessionDialogsTest, MaintenanceCancelStopsAndDeletes) {
    CMVKAppDlg& main = Main("mini");
    CLogDlg dialog(main);
    dialog.show();
    const std::string path = files_.File("info.mnt");
    dialog.SaveTo(QString::fromStdString(path));
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.StatusText(),
              "メインテナンス情報の保存を中止しています。\nしばらくお待ちください。");
    EXPECT_FALSE(dialog.SaveButton()->isEnabled());
    EXPECT_FALSE(dialog.CloseButton()->isEnabled());
    ASSERT_TRUE(WaitFor([&] { return dialog.CloseButton()->isEnabled(); }));
    EXPECT_EQ(dialog.StatusText(), "メインテナンス情報の保存を中止しました。");
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_TRUE(sim_->WaitForLogLine("reboot s"));
}

TEST_F(SessionDialogsTest, DetectionLogArrivesAsCsv) {
    const auto records = test::MakeRecords(23, true);
    CMVKAppDlg& main = Main("mini", {"--dlog-file", test::WriteRecordFile(files_, records)});
    CGetDlog dialog(main);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "検出ログの取得");
    const std::string path = files_.File("log.csv");
    EXPECT_EQ(dialog.ViewButton()->text(), "表示");
    EXPECT_FALSE(dialog.ViewButton()->isEnabled());
    dialog.SaveTo(QString::fromStdString(path));
    EXPECT_EQ(dialog.CloseButton()->text(), "中止");
    EXPECT_FALSE(dialog.SaveButton()->isEnabled());
    EXPECT_FALSE(dialog.ViewButton()->isEnabled());
    EXPECT_EQ(dialog.ProgressBar()->maximum(), 23);
    ASSERT_TRUE(
        WaitFor([&] { return !dialog.Running() && dialog.CloseButton()->text() == "閉じる"; }));
    EXPECT_EQ(dialog.StatusText(), "検出ログを保存しました。");
    EXPECT_EQ(dialog.ProgressBar()->value(), 23);
    EXPECT_TRUE(WaitFor([&] { return !boxes_.Boxes().empty(); }, 3000));
    EXPECT_EQ(boxes_.Boxes(),
              std::vector<std::string>{"検出ログ取得完了|検出ログの取得が終了しました。"});
    EXPECT_EQ(test::ReadWholeFile(path), test::ExpectedCsv(records));
    EXPECT_TRUE(dialog.ViewButton()->isEnabled());
    EXPECT_EQ(dialog.SavedPath(), QString::fromStdString(path));
    EXPECT_TRUE(sim_->WaitForLogLine("reboot s"));
}

TEST_F(SessionDialogsTest, EmptyDetectionLogWritesNothing) {
    CMVKAppDlg& main = Main("minis");
    CGetDlog dialog(main);
    dialog.show();
    const std::string path = files_.File("log.csv");
    dialog.SaveTo(QString::fromStdString(path));
    EXPECT_EQ(boxes_.Boxes(), std::vector<std::string>{"検出ログ|検出ログが1件もありません。"});
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_TRUE(dialog.SaveButton()->isEnabled());
    EXPECT_TRUE(sim_->WaitForLogLine("[dlog 0 records]"));
    EXPECT_FALSE(main.Terminal().IsConnected());
}

TEST_F(SessionDialogsTest, DetectionLogCancelLeavesNoFile) {
    CMVKAppDlg& main =
        Main("mini", {"--dlog-file", test::WriteRecordFile(files_, test::MakeRecords(2000)),
                      "--baud", "115200"});
    CGetDlog dialog(main);
    dialog.show();
    const std::string path = files_.File("log.csv");
    dialog.SaveTo(QString::fromStdString(path));
    ASSERT_TRUE(WaitFor([&] { return dialog.ProgressBar()->value() >= 100; }, 20000));
    dialog.reject();
    EXPECT_EQ(dialog.StatusText(), "検出ログの取得を中止しました。");
    ASSERT_TRUE(
        WaitFor([&] { return !dialog.Running() && dialog.CloseButton()->text() == "閉じる"; }));
    EXPECT_EQ(dialog.StatusText(), "検出ログの取得を中止しました。");
    EXPECT_FALSE(test::FileExists(path));
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(SessionDialogsTest, DetectionLogFileThatCannotBeWritten) {
    CMVKAppDlg& main = Main("mini", {"--dlog-records", "5"});
    CGetDlog dialog(main);
    dialog.show();
    dialog.SaveTo(QString::fromStdString(files_.File("no-such-folder/log.csv")));
    EXPECT_EQ(boxes_.Boxes(),
              std::vector<std::string>{"エラー|ファイルのオープンに失敗しました。"});
    EXPECT_FALSE(main.Terminal().IsConnected());
    // Nothing was asked of the terminal.
    const auto log = sim_->LogLines();
    EXPECT_EQ(std::count(log.begin(), log.end(), "dlog g"), 0);
}

// 検出ログの取得 from the main window, then 表示: the chart window of the file just saved.
TEST_F(SessionDialogsTest, MainWindowCommandFetchesTheLogAndShowsItsCharts) {
    const auto records = test::MakeRecords(6);
    CMVKAppDlg& main = Main("mini", {"--dlog-file", test::WriteRecordFile(files_, records)});
    const std::string path = files_.File("log.csv");
    // Drives the modal window once it is up; closes whatever is left after a while, so the test
    // can never hang on it.
    bool sawWindow = false;
    QTimer driver;
    driver.setInterval(50);
    const auto started = std::chrono::steady_clock::now();
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<CGetDlog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            if (std::chrono::steady_clock::now() - started > std::chrono::seconds(60)) {
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    modal->close();
                }
            }
            return;
        }
        if (!sawWindow) {
            sawWindow = true;
            dialog->SaveTo(QString::fromStdString(path));
        } else if (!dialog->Running() && dialog->CloseButton()->text() == "閉じる") {
            dialog->ViewButton()->click();
        } else if (std::chrono::steady_clock::now() - started > std::chrono::seconds(60)) {
            dialog->reject();
            dialog->reject();
        }
    });
    driver.start();
    main.OnGetDetectionLog();
    driver.stop();
    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(test::ReadWholeFile(path), test::ExpectedCsv(records));
    EXPECT_FALSE(main.Terminal().IsConnected());
    CDetectionLogDlg* charts = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<CDetectionLogDlg*>(widget); found && found->isVisible()) {
            charts = found;
        }
    }
    ASSERT_NE(charts, nullptr) << "表示 showed no chart window";
    EXPECT_EQ(charts->windowTitle(), "検出ログ - log.csv");
    EXPECT_TRUE(charts->TotalsText().startsWith("記録 6件")) << charts->TotalsText().toStdString();
    charts->close();
}

TEST_F(SessionDialogsTest, MainWindowRefusesTheDetectionLogOfASlim) {
    CMVKAppDlg& main = Main("slim");
    main.OnGetDetectionLog();
    EXPECT_EQ(boxes_.Boxes(),
              std::vector<std::string>{"エラー|モルヴィク･ミニ/ミニSが見つかりません。"});
}

}  // namespace
}  // namespace morvik
