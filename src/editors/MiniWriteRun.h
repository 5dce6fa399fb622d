#pragma once
// What the settings windows share when they write to a terminal: open the terminal, run the
// write worker in its progress window inside the modal guard (the Mini family), and tell the
// operator how it ended. The window keeps what differs (its checks, its session, what it
// disables).

#include <QDialog>
#include <QString>
#include <string>

#include "app/IWindowHost.h"
#include "dialogs/CMiniProgressDlg.h"

namespace morvik {

// Messages as one text for a box: one per line, without the last line end.
QString BoxText(const std::string& cp932Lines);

// Connects and opens the command session; false (the reason already shown) when the terminal
// cannot be reached, the port closed again.
bool OpenForWrite(CTerminal& terminal);

// Runs session (a write on the open session) in its progress window, every other window
// disabled meanwhile; the port closes when the exchange has ended, after the terminal was left
// as the session's outcome asks. True when the write completed. Dialog: the edition's progress
// window (CMiniProgressDlg or the MiniSx one derived from it).
template <class Dialog = CMiniProgressDlg, class Session>
bool RunWriteDialog(IWindowHost& host, QWidget* owner, Session& session) {
    CTerminal& terminal = host.Terminal();
    host.ModalGuard(true);
    Dialog dialog(session, owner);
    dialog.SetExchangeEndedHandler([&terminal] { terminal.Disconnect(); });
    const int result = dialog.exec();
    host.ModalGuard(false);
    return result == QDialog::Accepted;
}

// How a write session ended, for the box that tells the operator.
struct WriteOutcome {
    bool done = false;
    // The terminal was of another edition: nothing was written (386).
    bool refused = false;
    std::string errorText;  // code page 932
};
WriteOutcome OutcomeOf(const CSessionWorker& session, bool done);

// "書き込みが完了し、再起動しました。" under "書き込み完了" when done; 386 under "設定書き込み"
// when the terminal was refused; else the session's error text (the terminal was already
// restarted with "reboot s").
void ShowWriteOutcome(IWindowHost& host, QWidget* owner, const WriteOutcome& outcome);

}  // namespace morvik
