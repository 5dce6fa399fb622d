#pragma once
// The port search window ("COMポート検索中"): tries every port of the system's serial port list on
// a thread of its own until a terminal answers, and shows how far it got. The thread moves the
// main window's port with every port it tries; the window polls it every 300 ms, puts the old
// port back unless a terminal was found, and closes itself when the search has ended. キャンセル
// (and Escape, and the Close box) only ask the search to stop; the window closes when it has.

#include <QDialog>
#include <QTimer>
#include <string>

#include "dialogs/SessionWindowMark.h"
#include "link/PortSearch.h"

class QProgressBar;
class QPushButton;

namespace morvik {

class IWindowHost;

class CPortProgressDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kPollIntervalMs = 300;

    // Without a list the system's serial port list is searched.
    CPortProgressDlg(IWindowHost& host, QWidget* parent, PortSearch::PortList list = {});
    ~CPortProgressDlg() override;

    // A terminal answered (the main window's port is then the port it answered on).
    bool Found() const { return search_.Found(); }
    int FoundPort() const { return search_.FoundPort(); }
    // The operator stopped the search; a port found just before counts for nothing.
    bool Cancelled() const { return search_.CancelRequested(); }

    QPushButton* CancelButton() const { return cancelButton_; }

  public slots:
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    bool Probe(int port);
    void Poll();
    void RestorePort();
    // A terminal that answered is left out of command mode again and its port closed.
    void ReleaseFoundPort();

    IWindowHost& host_;
    PortSearch search_;
    QTimer timer_;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    int savedPort_ = 0;
    std::string savedDevice_;
    bool started_ = false;
    // The end of the program stops this window as its cancel button does.
    CSessionWindowMark mark_{*this};
};

}  // namespace morvik
