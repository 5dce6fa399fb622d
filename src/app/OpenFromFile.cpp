// The windows the main window opens on a file: a device settings file into a new settings window
// of its edition (the file is read once, its header line decides which, and the window loads what
// was read; a file without a header opens no window and says why), and a detection log CSV in the
// chart window, from ファイル → 検出ログを開く or as the file just saved by 検出ログの取得.

#include "app/CMVKAppDlg.h"

#include <QFileInfo>
#include <utility>

#include "app/FileDialogs.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "charts/CDetectionLogDlg.h"
#include "editors/CConfigDlg.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniSXCustomDlg.h"
#include "files/SettingsFile.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void CMVKAppDlg::OpenSettingsFileWindow(const QString& path) {
    const std::filesystem::path file = PathFromUtf8(LocalPath(path));
    SettingsFileText text = ReadAnySettingsFile(file);
    if (!text.ok) {
        ErrorBox(FromCp932(text.message));
        return;
    }
    switch (text.edition) {
        case SettingsFileEdition::Mini:
            OpenDetailedWindowForFile(Family::Mini, new CMiniCustomDlg(*this), path,
                                      std::move(text));
            return;
        case SettingsFileEdition::Slim:
            OpenSlimSettingsFile(path, std::move(text));
            return;
        case SettingsFileEdition::MiniSx:
            OpenDetailedWindowForFile(Family::MiniSx, new CMiniSXCustomDlg(*this), path,
                                      std::move(text));
            return;
        case SettingsFileEdition::Unknown:
            break;
    }
    ErrorBox(Tr(res::ids::kSettingsFileInvalid));
}

void CMVKAppDlg::OpenSlimSettingsFile(const QString& path, SettingsFileText file) {
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
    if (!editor->ReadFromFile(path, std::move(file))) {
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

void CMVKAppDlg::OpenDetailedWindowForFile(Family family, CMiniDetailFrameDlg* window,
                                           const QString& path, SettingsFileText file) {
    if (!RegisterSettingsWindow(family, window)) {
        delete window;
        ErrorBox(Tr(res::ids::kTooManySettingsWindows));
        return;
    }
    window->SetCloseAfterWrite(CloseAfterWrite());
    window->SetCaptionText(QFileInfo(path).fileName());
    PlaceNewWindow(*window, *this);
    window->show();
    // A load that gives nothing shows 914 (the read's own text when it has one).
    const CMiniDetailFrameDlg::ReadOutcome outcome = window->Read(std::move(file));
    if (!outcome.loaded) {
        delete window;
        ErrorBox(outcome.message);
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, window, false);
    }
}

void CMVKAppDlg::OnOpenDetectionLog() {
    ModalGuard(true);
    const QString path =
        ChooseFile(this, FileDialogMode::Open, res::ids::kDetectionLogFileFilter).shown;
    ModalGuard(false);
    if (!path.isEmpty()) {
        ShowDetectionLogWindow(path);
    }
}

void CMVKAppDlg::ShowDetectionLogWindow(const QString& path) {
    // The window stands on its own beside the main window and is deleted with it; it never
    // touches the terminal, so the modal guard leaves it alone.
    CDetectionLogDlg* window = CDetectionLogDlg::Open(
        path, this, [this](const QString& text, QWidget* owner) { ErrorBox(text, owner); });
    if (window != nullptr) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

}  // namespace morvik
