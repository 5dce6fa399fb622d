#pragma once
// The progress window of a session: a bar, and a キャンセル button where the caller adds one (the
// main window's own work on a terminal). It starts the session's worker when it opens, polls it
// every 100 ms and closes itself when the worker has finished: Accepted when the session completed
// with an empty error text, Rejected after a failure, after warnings, or when a completed session
// left a text. Enter, Esc and the close box do nothing while the worker runs; キャンセル, and
// reject() (the end of the program), ask the worker to stop, and the window closes once it has.
//
// The window never touches the worker's data beyond what the worker shares for polling; the
// caller takes the results (error text, warnings flag, values read) from the worker afterwards.

#include <QDialog>
#include <functional>

#include "dialogs/SessionWindowMark.h"
#include "sessions/SessionWorker.h"

class QProgressBar;
class QPushButton;
class QTimer;

namespace morvik {

class CProgressDlg : public QDialog {
    Q_OBJECT

  public:
    // worker: not started yet; it must outlive the window.
    explicit CProgressDlg(CSessionWorker& worker, QWidget* parent = nullptr);
    ~CProgressDlg() override;

    // Called once the worker has finished, before the window closes, unless the session only
    // read a file: the owner ends the terminal exchange there (closes the port).
    void SetExchangeEndedHandler(std::function<void()> handler, bool readsFile = false);

    // A キャンセル button that asks the worker to stop.
    void AddCancelButton();

    // The poll period of the window's timer.
    static constexpr int kPollMs = 100;

  protected:
    // Runs once the worker has finished and before the exchange-ended handler closes the port:
    // what the session must still tell the terminal goes here.
    virtual void ExchangeEnding() {}

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  public slots:
    // While the worker runs: asks it to stop, as キャンセル does.
    void reject() override;

  private slots:
    void Poll();

  private:
    void Finish(int result);

    CSessionWorker& worker_;
    CSessionWindowMark mark_{*this};
    QProgressBar* bar_;
    QTimer* timer_;
    QPushButton* cancel_ = nullptr;
    std::function<void()> exchangeEnded_;
    bool readsFile_ = false;
    bool started_ = false;
    bool finishing_ = false;
};

}  // namespace morvik
