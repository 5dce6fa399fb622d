#pragma once
// 一括設定: one command on many terminals at once, from the desktop tool. The operator picks the
// action (read the identification, write a settings file, set the clock, update the firmware,
// fetch the detection log, save the maintenance information) and its file or folder, ticks the
// terminals' cables, and starts. Every terminal runs what `morvik fleet` runs on it (the fleet
// runner over the command-line tool's own commands, cli/FleetRun.h): the same edition check, so
// that a settings file never reaches a terminal it was not made for, the same faults and endings.
// A row per terminal shows its step, a progress bar and its outcome; the failed ones can be run
// again with one click, and the results saved as the same CSV report `--report` writes.
//
// While a run goes on the main window's commands and the settings windows are disabled (the
// host's modal guard), so that no second exchange reaches a terminal of the run. 中止 cancels
// every terminal as Ctrl+C cancels `morvik fleet`.

#include <QDialog>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/FleetRun.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace morvik {

class CFleetTable;
class IWindowHost;

namespace cli {
class InterruptGuard;
}

class CFleetDlg : public QDialog {
    Q_OBJECT

  public:
    CFleetDlg(IWindowHost& host, QWidget* parent);
    ~CFleetDlg() override;

    // Finds the cables again and lists them, each ticked; the results shown so far go.
    void SearchCables();
    // Lists COM port (ticked) as well, for a terminal whose cable the lookup does not know.
    void AddPort(int port);
    // Starts the chosen action on the ticked terminals (開始).
    void Start();
    // Runs the action again on the terminals that failed or were interrupted in the last run;
    // the others keep their results.
    void RerunFailed();
    // Asks every terminal of the run to stop (中止).
    void Cancel();
    bool Running() const { return runner_ != nullptr; }
    // Every terminal's latest result since 開始, by port.
    std::vector<cli::FleetRow> Results() const;
    // Writes Results() as the CSV report to path, complete or not at all; false after an error
    // box when it could not.
    bool SaveReport(const QString& path);

    QComboBox* ActionBox() const { return action_; }
    QLineEdit* PathEdit() const { return path_; }
    CFleetTable* Table() const { return table_; }
    QLabel* StatusLabel() const { return status_; }

  signals:
    // A run has ended and its results are shown.
    void RunFinished();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void Build();
    void OnActionChanged();
    void OnBrowse();
    void OnSaveReport();
    // rerun: the terminals not in ports keep their results.
    void Run(const std::vector<int>& ports, bool rerun);
    void OnTick();
    void ShowRow(const cli::FleetRow& row);
    void ShowSummary();
    void UpdateControls();

    IWindowHost& host_;
    QComboBox* action_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    CFleetTable* table_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* search_ = nullptr;
    QComboBox* portNumber_ = nullptr;
    QPushButton* addPort_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* rerun_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer timer_;

    std::map<int, cli::FleetRow> results_;
    std::map<int, std::string> notes_;  // by port: what its command said last
    std::unique_ptr<cli::InterruptGuard> interrupt_;
    std::unique_ptr<cli::FleetRunner> runner_;
    bool closeWhenDone_ = false;
};

}  // namespace morvik
