#pragma once
// The detection log window ("検出ログの取得", Mini/MiniS only): asks for a CSV file, asks the
// terminal for its log and runs the detection log worker while the progress bar counts the
// records. The close button reads "中止" while the log arrives and then stops the transfer (the
// file is not written); a window serves one retrieval.
//
// The main window opens it after it has found a Mini/MiniS terminal; this window connects for
// the retrieval, and the worker restarts the terminal and disconnects when it ends. Once the log
// is saved, "表示" closes the window (accepted) for the main window to show the saved file's
// charts.

#include <QDialog>
#include <QTimer>
#include <memory>

#include "dialogs/SessionWindowMark.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace morvik {

class IWindowHost;
class CDetectionLogWorker;

class CGetDlog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kPollIntervalMs = 100;

    explicit CGetDlog(IWindowHost& host, QWidget* parent = nullptr);
    ~CGetDlog() override;

    // Retrieves the log into path (what "ファイルに保存" does after its file dialog).
    void SaveTo(const QString& path);
    bool Running() const;

    QString StatusText() const;
    QPushButton* SaveButton() const { return save_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* ViewButton() const { return view_; }
    // The file of a completed retrieval; empty until then.
    const QString& SavedPath() const { return savedPath_; }
    QProgressBar* ProgressBar() const { return bar_; }

  public slots:
    void reject() override;

  private:
    void OnSave();
    void OnTimer();
    void Finish();

    IWindowHost& host_;
    std::unique_ptr<CDetectionLogWorker> worker_;
    QTimer timer_;
    QLabel* status_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* view_ = nullptr;
    QPushButton* close_ = nullptr;
    QString path_;
    QString savedPath_;
    // The end of the program stops this window as its cancel button does.
    CSessionWindowMark mark_{*this};
};

}  // namespace morvik
