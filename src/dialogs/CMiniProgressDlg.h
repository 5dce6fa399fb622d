#pragma once
// The progress window of a Mini/MiniS session (read, detailed write, easy/service write): the
// settings session window with its 100 ms poll, titled "読み込み中" or "書き込み中" as the worker
// asks, and, for a detailed write, a 150 ms tick that moves the bar while the sound data travels
// (two steps per sound, by the bytes sent).
//
//   CMiniReadSession read(terminal, true, window.Settings());
//   CMiniProgressDlg dialog(read, this);
//   dialog.SetExchangeEndedHandler([&] { terminal.Disconnect(); });
//   if (dialog.exec() != QDialog::Accepted) ... read.ErrorText(), read.WarningsOnly()
//
// A write that did not complete (failed, refused half-way, cancelled) leaves the terminal with
// "reboot s" here, before the exchange-ended handler closes the port; the editor then shows the
// error text. A completed write has rebooted the terminal itself.

#include "dialogs/CProgressDlg.h"

class QTimer;

namespace morvik {

class CMiniWriteFrame;

class CMiniProgressDlg : public CProgressDlg {
    Q_OBJECT

  public:
    // A read, or a write whose sounds need no progress of their own (easy/service).
    explicit CMiniProgressDlg(CSessionWorker& worker, QWidget* parent = nullptr);
    // A detailed write: the bar also follows the sound upload.
    explicit CMiniProgressDlg(CMiniWriteFrame& write, QWidget* parent = nullptr);
    ~CMiniProgressDlg() override;

    static constexpr int kUploadTickMs = 150;

  protected:
    void ExchangeEnding() override;
    void showEvent(QShowEvent* event) override;

  private slots:
    void UploadTick();

  private:
    CMiniWriteFrame* write_ = nullptr;
    QTimer* uploadTimer_ = nullptr;
    bool uploadTimerStarted_ = false;
    bool uploadSeen_ = false;
};

}  // namespace morvik
