#pragma once
// The maintenance information window ("メインテナンス情報の保存"): asks for a file, runs the
// maintenance save worker, and tells by its status text how the save went. The close button
// reads "中止" while a save runs and then only asks the worker to stop; a window serves one save.

#include <QDialog>
#include <QTimer>
#include <memory>

#include "dialogs/SessionWindowMark.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace morvik {

class IWindowHost;
class CMaintenanceWorker;

class CLogDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kPollIntervalMs = 500;

    explicit CLogDlg(IWindowHost& host, QWidget* parent = nullptr);
    ~CLogDlg() override;

    // Starts the save into path (what "ファイルに保存" does after its file dialog).
    void SaveTo(const QString& path);
    bool Running() const;

    QString StatusText() const;
    QPushButton* SaveButton() const { return save_; }
    QPushButton* CloseButton() const { return close_; }
    QProgressBar* ProgressBar() const { return bar_; }

  public slots:
    void reject() override;

  private:
    void OnSave();
    void OnTimer();

    IWindowHost& host_;
    std::unique_ptr<CMaintenanceWorker> worker_;
    QTimer timer_;
    QLabel* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    // The end of the program stops this window as its cancel button does.
    CSessionWindowMark mark_{*this};
};

}  // namespace morvik
