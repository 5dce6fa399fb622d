// A Slim settings file (CConfigDlg), opened from 機器設定ファイルを開く into the Slim list.

#include <QFileInfo>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "editors/CConfigDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void CMVKAppDlg::OpenSlimSettingsFile(const QString& path) {
    auto* editor = new CConfigDlg(*this);
    if (!RegisterSettingsWindow(Family::Slim, editor)) {
        delete editor;
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    const std::string title = res::Format(res::Text(res::ids::kSlimSettingsCaption),
                                          QFileInfo(path).fileName().toUtf8().constData());
    editor->setWindowTitle(QString::fromStdString(title));
    editor->SetCloseAfterWrite(CloseAfterWrite());
    if (!editor->ReadFromFile(path)) {
        const std::string& text = editor->ResultText();
        ErrorBox(text.empty() ? Tr(res::ids::kSettingsFileInvalid) : FromCp932(text));
        // A window that holds nothing of the file is of no use.
        delete editor;
        return;
    }
    PlaceNewWindow(*editor, *this);
    editor->show();
    editor->raise();
    editor->activateWindow();
}

}  // namespace morvik
