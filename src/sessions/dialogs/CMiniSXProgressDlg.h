#pragma once
// The progress window of a MiniSx session (read, detailed write, easy/service write). It works
// exactly like the Mini/MiniS window: the 100 ms poll, the title the worker asks for, and for a
// detailed write the 150 ms tick that moves the bar while the sound data travels.
//
//   CMiniSXReadSession read(terminal, true, window.Settings());
//   CMiniSXProgressDlg dialog(read, this);
//   dialog.SetExchangeEndedHandler([&] { terminal.Disconnect(); });
//   if (dialog.exec() != QDialog::Accepted) ... read.ErrorText(), read.WarningsOnly()
//
// After a write that did not end Accepted the editor shows the error text and then sends
// "reboot s" (EndMiniWrite) before the port is closed.

#include "sessions/dialogs/CMiniProgressDlg.h"

namespace morvik {

class CMiniSXProgressDlg : public CMiniProgressDlg {
    Q_OBJECT

  public:
    // A read (CMiniSXReadSession) or an easy/service write (CMiniSXEasyWriteSession).
    explicit CMiniSXProgressDlg(CSessionWorker& worker, QWidget* parent = nullptr);
    // A detailed write (CMiniSXWriteSession): the bar also follows the sound upload.
    explicit CMiniSXProgressDlg(CMiniWriteFrame& write, QWidget* parent = nullptr);
    ~CMiniSXProgressDlg() override;
};

}  // namespace morvik
