// The detailed windows of the Mini family (CMiniCustomDlg, CMiniSXCustomDlg) as the main window
// opens them: read from the terminal into the edition's slot window (the chooser's 詳細設定), or
// loaded from a settings file into a new window of the edition's list (機器設定ファイルを開く).

#include <QFileInfo>

#include "app/CMVKAppDlg.h"
#include "app/QtText.h"
#include "app/WindowPlacement.h"
#include "editors/CMiniCustomDlg.h"
#include "editors/CMiniSXCustomDlg.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

void CMVKAppDlg::OpenMiniDetailedWindow() {
    // A detailed window that is open already reads the terminal again.
    auto* window = qobject_cast<CMiniCustomDlg*>(miniSlot_.data());
    const bool created = window == nullptr;
    if (created) {
        window = new CMiniCustomDlg(*this);
        SetMiniSlot(window);
    }
    ReadTerminalIntoDetailedWindow(*window, created);
}

void CMVKAppDlg::OpenMiniSxDetailedWindow() {
    auto* window = qobject_cast<CMiniSXCustomDlg*>(miniSxSlot_.data());
    const bool created = window == nullptr;
    if (created) {
        window = new CMiniSXCustomDlg(*this);
        SetMiniSxSlot(window);
    }
    ReadTerminalIntoDetailedWindow(*window, created);
}

void CMVKAppDlg::OpenMiniSettingsFile(const QString& path) {
    OpenDetailedWindowForFile(Family::Mini, new CMiniCustomDlg(*this), path);
}

void CMVKAppDlg::OpenMiniSxSettingsFile(const QString& path) {
    OpenDetailedWindowForFile(Family::MiniSx, new CMiniSXCustomDlg(*this), path);
}

void CMVKAppDlg::ReadTerminalIntoDetailedWindow(CMiniDetailFrameDlg& window, bool created) {
    window.SetCloseAfterWrite(CloseAfterWrite());
    const std::string connection =
        !terminal_.DevicePath().empty()
            ? terminal_.DevicePath()
            : res::Format(res::Text(res::ids::kComPortFormat), PortNumber());
    window.SetCaptionText(QString::fromStdString(connection));
    if (created) {
        PlaceNewWindow(window, *this);
    }
    window.show();
    window.raise();
    const CMiniDetailFrameDlg::ReadOutcome outcome = window.Read();
    if (!outcome.loaded) {
        ErrorBox(outcome.message, &window, false);
        // A window made for this read goes again; one that was open keeps what it showed.
        if (created) {
            delete &window;
        }
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, &window, false);
    }
    MessageBox(&window, Tr(res::ids::kReadDoneCaption), Tr(res::ids::kReadDone),
               QMessageBox::Information, QMessageBox::Ok, false);
}

void CMVKAppDlg::OpenDetailedWindowForFile(Family family, CMiniDetailFrameDlg* window,
                                           const QString& path) {
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
    const CMiniDetailFrameDlg::ReadOutcome outcome = window->Read(path);
    if (!outcome.loaded) {
        delete window;
        ErrorBox(outcome.message);
        return;
    }
    if (!outcome.message.isEmpty()) {
        ErrorBox(outcome.message, window, false);
    }
}

}  // namespace morvik
