// The 一括設定 window driven as an operator drives it, against simulated terminals of mixed
// editions behind cables of the test machine: the same run as `morvik fleet`, from the desktop.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "app/CommandIds.h"
#include "fleet/CFleetDlg.h"
#include "fleet/CFleetTable.h"
#include "support/FakeCable.h"
#include "support/Files.h"
#include "support/qt/AppFixture.h"

namespace morvik {
namespace {

constexpr int kWriteFile = 1;  // the action list's 機器設定ファイルの書き込み
constexpr int kRunTimeoutMs = 60000;

class FleetWindow : public test::AppFixture {
  protected:
    // A terminal behind cable index (COM index + 1, USB serial number "CAB<index>").
    test::SimProcess& Attach(const std::string& edition, const std::string& tid, int index,
                             std::vector<std::string> args = {}) {
        args.insert(args.begin(), {"--tid", tid});
        test::SimProcess& sim = StartSim(edition, args);
        test::PlugInTerminalCable(machine_, sim.DevicePath(), index, "CAB" + std::to_string(index));
        return sim;
    }

    // A Mini's settings file, read by the command-line tool from a terminal whose values differ
    // from the factory's.
    std::string MiniFile(test::SimProcess& source) {
        const std::string file = files_.File("shop.dat");
        const test::RunResult read =
            test::RunProgram({test::RequiredEnv("MORVIK_CLI"), "--device", source.DevicePath(),
                              "--quiet", "read", file},
                             "", {{"MORVIK_CONFIG_DIR", Config().path()}});
        EXPECT_EQ(read.exitCode, 0) << read.err;
        return file;
    }

    CFleetDlg& OpenFleetWindow(CMVKAppDlg& main) {
        main.Action(cmd::kFleet)->trigger();
        CFleetDlg* fleet = main.FleetWindow();
        EXPECT_NE(fleet, nullptr);
        return *fleet;
    }

    static std::string Cell(const CFleetDlg& fleet, int row, int column) {
        return fleet.Table()->item(row, column)->text().toStdString();
    }

    static size_t Count(const test::SimProcess& sim, const std::string& prefix) {
        const std::vector<std::string> log = sim.LogLines();
        return static_cast<size_t>(std::count_if(
            log.begin(), log.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
    }

    test::TempDir machine_;
    test::TempDir files_;
    test::ScopedEnv sysfs_{"MORVIK_SYSFS_ROOT", machine_.File("sys")};
    test::ScopedEnv dev_{"MORVIK_DEV_ROOT", machine_.File("dev")};
};

TEST_F(FleetWindow, AMiniFileOnMixedTerminalsThenTheFailedOneAgain) {
    test::SimProcess& source =
        StartSim("mini", {"--param", "rslt=1", "--param", "fchg=1", "--param", "pow=3"});
    const std::string file = MiniFile(source);
    test::SimProcess& mini = Attach("mini", "M1", 0);
    test::SimProcess& minisx = Attach("minisx", "X2", 1);
    test::SimProcess& faulty = Attach("mini", "F3", 2, {"--fault", "error-key=que1"});

    CMVKAppDlg& main = Window();
    CFleetDlg& fleet = OpenFleetWindow(main);
    ASSERT_EQ(fleet.Table()->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(Cell(fleet, row, CFleetTable::kPort), "COM" + std::to_string(row + 1));
        EXPECT_EQ(fleet.Table()->item(row, CFleetTable::kPort)->checkState(), Qt::Checked);
    }
    fleet.ActionBox()->setCurrentIndex(kWriteFile);
    fleet.PathEdit()->setText(QString::fromStdString(file));
    QSignalSpy finished(&fleet, &CFleetDlg::RunFinished);
    fleet.Start();
    // While terminals are being changed the main window starts nothing of its own.
    EXPECT_TRUE(fleet.Running());
    EXPECT_FALSE(main.Action(cmd::kReadDeviceInfo)->isEnabled());
    ASSERT_TRUE(finished.wait(kRunTimeoutMs));
    EXPECT_TRUE(main.Action(cmd::kReadDeviceInfo)->isEnabled());

    EXPECT_EQ(Cell(fleet, 0, CFleetTable::kEdition), "ミニ");
    EXPECT_EQ(Cell(fleet, 0, CFleetTable::kTerminalId), "M1");
    EXPECT_EQ(Cell(fleet, 0, CFleetTable::kResult), "成功");
    EXPECT_EQ(Cell(fleet, 0, CFleetTable::kMessage), "書き込みが完了し、再起動しました。");
    EXPECT_EQ(Cell(fleet, 1, CFleetTable::kResult), "対象外");
    EXPECT_NE(
        Cell(fleet, 1, CFleetTable::kMessage).find("この設定画面から設定可能な機器ではありません"),
        std::string::npos);
    EXPECT_EQ(Cell(fleet, 2, CFleetTable::kResult), "失敗");
    EXPECT_NE(Cell(fleet, 2, CFleetTable::kMessage).find("(498)"), std::string::npos);
    EXPECT_EQ(fleet.StatusLabel()->text().toStdString(), "3台中 成功 1台、対象外 1台、失敗 1台");
    // What the file holds reached the Mini only; the faulty one ended as a failed write ends.
    for (const char* key : {"rslt", "fchg", "pow", "que1", "psA1"}) {
        EXPECT_EQ(mini.StateValue(key), source.StateValue(key)) << key;
    }
    EXPECT_EQ(Count(minisx, "pset"), 0u);
    EXPECT_TRUE(faulty.WaitForLogLine("reboot s"));

    const std::string report = files_.File("report.csv");
    ASSERT_TRUE(fleet.SaveReport(QString::fromStdString(report)));
    const std::string csv = test::ReadWholeFile(report);
    EXPECT_NE(csv.find("\n1,CAB0,Mini,ZRT450,1.20,M1,write,succeeded,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n2,CAB1,MiniSx,ZRT450SX,4.05,X2,write,skipped,"), std::string::npos);
    EXPECT_NE(csv.find("\n3,CAB2,Mini,ZRT450,1.20,F3,write,failed,"), std::string::npos);

    // Once more on the failed one only: the others are not touched and keep their results.
    const size_t miniLooks = Count(mini, "ver");
    fleet.RerunFailed();
    ASSERT_TRUE(finished.wait(kRunTimeoutMs));
    EXPECT_EQ(Count(mini, "ver"), miniLooks);
    EXPECT_EQ(Count(faulty, "pset que1"), 2u);
    EXPECT_EQ(Cell(fleet, 0, CFleetTable::kResult), "成功");
    EXPECT_EQ(Cell(fleet, 2, CFleetTable::kResult), "失敗");
    EXPECT_EQ(fleet.StatusLabel()->text().toStdString(), "3台中 成功 1台、対象外 1台、失敗 1台");
}

TEST_F(FleetWindow, CancelLeavesEveryTerminalAsACancelledWrite) {
    test::SimProcess& source = StartSim("mini", {"--param", "pow=3"});
    const std::string file = MiniFile(source);
    test::SimProcess& first = Attach("mini", "M1", 0);
    // A terminal on a port whose cable the lookup does not know, added by its COM number.
    test::SimProcess& second = StartSim("minis", {"--tid", "S2"}, 7);
    CMVKAppDlg& main = Window();
    CFleetDlg& fleet = OpenFleetWindow(main);
    fleet.AddPort(7);
    ASSERT_EQ(fleet.Table()->rowCount(), 2);
    EXPECT_EQ(Cell(fleet, 1, CFleetTable::kPort), "COM7");
    fleet.ActionBox()->setCurrentIndex(kWriteFile);
    fleet.PathEdit()->setText(QString::fromStdString(file));
    QSignalSpy finished(&fleet, &CFleetDlg::RunFinished);
    fleet.Start();
    for (test::SimProcess* sim : {&first, &second}) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return Count(*sim, "pset psA1") > 0; }, 10000));
    }
    fleet.Cancel();
    ASSERT_TRUE(finished.wait(kRunTimeoutMs));
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(Cell(fleet, row, CFleetTable::kResult), "中断") << row;
    }
    for (test::SimProcess* sim : {&first, &second}) {
        EXPECT_TRUE(sim->WaitForLogLine("reboot s", std::chrono::seconds(10)));
        EXPECT_EQ(Count(*sim, "pset lpb2"), 0u);
    }
    // The window closes when asked, now that nothing runs.
    fleet.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.FleetWindow() == nullptr; }, 5000));
}

}  // namespace
}  // namespace morvik
