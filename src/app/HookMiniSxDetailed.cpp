// The detailed window of a MiniSx terminal (CMiniSXCustomDlg), chosen in the change-mode chooser:
// read from the terminal into the MiniSx slot window.

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "editors/CMiniSXCustomDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void CMVKAppDlg::OpenMiniSxDetailedWindow() {
    // A detailed window that is open already reads the terminal again.
    auto* window = qobject_cast<CMiniSXCustomDlg*>(miniSxSlot_.data());
    const bool created = window == nullptr;
    if (created) {
        window = new CMiniSXCustomDlg(*this);
        SetMiniSxSlot(window);
    }
    window->SetCloseAfterWrite(CloseAfterWrite());
    const std::string connection =
        !terminal_.DevicePath().empty()
            ? terminal_.DevicePath()
            : res::Format(res::Text(res::ids::kComPortFormat), PortNumber());
    window->SetCaptionText(QString::fromStdString(connection));
    window->show();
    window->raise();
    const CMiniSXCustomDlg::ReadOutcome outcome = window->Read();
    if (!outcome.loaded) {
        ErrorBox(outcome.message, window, false);
        if (created) {
            delete window;
        }
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, window, false);
    }
    MessageBox(window, Tr(res::ids::kReadDoneCaption), Tr(res::ids::kReadDone),
               QMessageBox::Information, QMessageBox::Ok, false);
}

}  // namespace morvik
