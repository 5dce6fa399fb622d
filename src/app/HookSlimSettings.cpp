// The Slim settings window (CConfigDlg) read from a terminal, kept in the Slim slot.

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "editors/CConfigDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void CMVKAppDlg::OpenSlimSettingsFromTerminal(const std::string& terminalId) {
    auto* editor = qobject_cast<CConfigDlg*>(slimSlot_.data());
    const bool created = editor == nullptr;
    if (created) {
        editor = new CConfigDlg(*this);
        SetSlimSlot(editor);
    }
    const std::string title = res::Format(res::Text(res::ids::kSlimSettingsCaption),
                                          FromCp932(terminalId).toUtf8().constData());
    editor->setWindowTitle(QString::fromStdString(title));
    editor->SetCloseAfterWrite(CloseAfterWrite());
    // The session the change-settings command opened is the read's; the read ends it.
    const bool clean = editor->ReadFromTerminal();
    if (editor->ReadLoaded()) {
        if (created) {
            PlaceNewWindow(*editor, *this);
        }
        editor->show();
        editor->raise();
        editor->activateWindow();
    }
    if (!clean) {
        const std::string& text = editor->ResultText();
        editor->OwnBox(Tr(res::ids::kErrorCaption),
                       text.empty() ? Tr(res::ids::kSettingsFileInvalid) : FromCp932(text),
                       QMessageBox::Warning);
        if (created && !editor->ReadLoaded()) {
            delete editor;  // the slot clears itself
        }
        return;
    }
    MessageBox(this, Tr(res::ids::kReadDoneCaption), Tr(res::ids::kReadDone),
               QMessageBox::Information, QMessageBox::Ok, true);
}

}  // namespace morvik
