// The main window's own exchanges with a terminal run on a worker with the progress window, as
// the sessions do: a terminal that trickles its reply no longer stops the window painting for
// the length of an exchange, and キャンセル ends the command.

#include "app/CMVKAppDlg.h"
#include "dialogs/CProgressDlg.h"
#include "sessions/TerminalTask.h"

namespace morvik {

void CMVKAppDlg::RunTerminalTask(int commandId, const std::function<void()>& work) {
    CTerminalTask task(terminal_, work);
    CProgressDlg progress(task, this);
    progress.setWindowTitle(Action(commandId)->text());
    progress.AddCancelButton();
    ModalGuard(true);
    progress.exec();
    ModalGuard(false);
}

EditionCode CMVKAppDlg::DetectEditionAsTask(int commandId) {
    EditionCode code = kEditionNone;
    RunTerminalTask(commandId, [this, &code] { code = terminal_.DetectEdition(false); });
    return code;
}

}  // namespace morvik
