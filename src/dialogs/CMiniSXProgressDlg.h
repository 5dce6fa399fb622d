#pragma once
// The progress window of a MiniSx session (read, detailed write, easy/service write). It works
// exactly like the Mini/MiniS window: the 100 ms poll, the title the worker asks for, and for a
// detailed write the 150 ms tick that moves the bar while the sound data travels.
//
//   CMiniSxReadSession read(terminal, true, window.Settings());
//   CMiniSXProgressDlg dialog(read, this);
//   dialog.SetExchangeEndedHandler([&] { terminal.Disconnect(); });
//   if (dialog.exec() != QDialog::Accepted) ... read.ErrorText(), read.WarningsOnly()
//
// The terminal leaves command mode as after a Mini/MiniS session: a read sends "reboot s" from
// its worker in every outcome; a write that did not complete (failed, refused half-way,
// cancelled) is followed by "reboot s" from this window, before the exchange-ended handler
// closes the port (it is the Mini window's hook, so the editor sends nothing afterwards and shows
// the error text only). For that the write must be given to the constructor that takes a write
// frame.

#include "dialogs/CMiniProgressDlg.h"

namespace morvik {

class CMiniSXProgressDlg : public CMiniProgressDlg {
    Q_OBJECT

  public:
    // A read (CMiniSxReadSession) or an easy/service write (CMiniFamilyEasyWriteSession).
    explicit CMiniSXProgressDlg(CSessionWorker& worker, QWidget* parent = nullptr);
    // A detailed write (CMiniSxWriteSession): the bar also follows the sound upload.
    explicit CMiniSXProgressDlg(CMiniWriteFrame& write, QWidget* parent = nullptr);
    ~CMiniSXProgressDlg() override;
};

}  // namespace morvik
