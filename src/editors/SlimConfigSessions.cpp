// The Slim settings window's work with terminals and files: reading a terminal or a settings
// file, writing to a terminal, saving a settings file and taking a Toruca file.

#include <QFile>
#include <filesystem>
#include <utility>

#include "app/FileDialogs.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "dialogs/CProgressDlg.h"
#include "editors/CConfigDlg.h"
#include "editors/MiniWriteRun.h"
#include "editors/SlimOwnGuard.h"
#include "files/SlimSettingsFile.h"
#include "files/TorucaFile.h"
#include "model/SlimValidation.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "sessions/SlimReadSession.h"
#include "sessions/SlimWriteSession.h"

namespace morvik {
namespace {

namespace ids = res::ids;

}  // namespace

bool CConfigDlg::RunSession(CSessionWorker& session, bool readsFile) {
    // A window still hidden (opened for a read that decides whether it stays) lends the main
    // window as the progress window's parent.
    QWidget* parent = isVisible() ? static_cast<QWidget*>(this) : &host_.HostWindow();
    CProgressDlg progress(session, parent);
    progress.SetExchangeEndedHandler([this, &session] { EndExchange(session); }, readsFile);
    SetSessionRunning(true);
    const int result = progress.exec();
    SetSessionRunning(false);
    return result == QDialog::Accepted;
}

void CConfigDlg::EndExchange(const CSessionWorker& session) {
    // A Slim leaves command mode only when told to with "exit"; closing the port alone would
    // leave it there. A terminal the write refused has been left already.
    CTerminal& terminal = host_.Terminal();
    if (terminal.IsConnected()) {
        if (!session.TerminalRefused()) {
            terminal.SendExit();
        }
        terminal.Disconnect();
    }
}

bool CConfigDlg::ApplyRead(bool clean, const CSlimReadSession& read) {
    readFailed_ = !clean;
    readLoaded_ = read.Loaded();
    readWarnings_ = read.WarningsOnly();
    resultText_ = read.ErrorText();
    if (read.Loaded()) {
        SetState(read.State());
        MarkClean();
    }
    return clean;
}

bool CConfigDlg::ReadFromTerminal() {
    fromFile_ = false;
    filePath_.clear();
    fileText_.clear();
    CSlimReadSession read(host_.Terminal());
    const bool clean = RunSession(read, false);
    EndExchange(read);
    return ApplyRead(clean, read);
}

bool CConfigDlg::ReadFromFile(const QString& path, SettingsFileText file) {
    fromFile_ = true;
    filePath_ = LocalPath(path);
    CSlimReadSession read(SlimSettingsFileOf(std::move(file)));
    const bool clean = RunSession(read, true);
    fileText_ = read.FileText();
    return ApplyRead(clean, read);
}

void CConfigDlg::OnWrite() {
    if (!Validate()) {
        return;
    }
    const SlimEditorState state = State();
    bool written = false;
    bool refused = false;
    std::string failure;
    {
        // The main window's commands stay off until the terminal has been left.
        const SlimOwnGuard guard(host_, *this);
        if (!OpenForWrite(host_.Terminal())) {
            return;
        }
        // The session identifies the terminal first and writes nothing to one that is no Slim.
        CSlimWriteSession write(host_.Terminal(), state);
        written = RunSession(write, false);
        EndExchange(write);
        refused = write.TerminalRefused();
        failure = write.ErrorText();
    }
    if (!written) {
        OwnBox(Tr(refused ? ids::kWriteSettingsCaption : ids::kErrorCaption), BoxText(failure),
               QMessageBox::Warning);
        return;
    }
    MarkClean();
    OwnBox(Tr(ids::kWriteDoneCaption), Tr(ids::kWriteDoneRestart), QMessageBox::Information);
    if (closeAfterWrite_ || mode_ == SlimEditorMode::Service) {
        close();
    }
}

void CConfigDlg::OnSave() {
    if (!Validate()) {
        return;
    }
    ChosenFile file;
    {
        const SlimOwnGuard guard(host_, *this);
        file = ChooseFile(this, FileDialogMode::Save, ids::kSettingsFileFilter);
    }
    if (!file.Chosen()) {
        return;
    }
    // The file is written beside its place and moved there whole: a failed save leaves an
    // earlier file as it was.
    if (!SaveSlimSettingsFile(file.path, State())) {
        OwnBox(Tr(ids::kErrorCaption), Tr(ids::kFileOpenFailed), QMessageBox::Warning);
        return;
    }
    MarkClean();
}

void CConfigDlg::OnOpenToruca() {
    ChosenFile chosen;
    {
        const SlimOwnGuard guard(host_, *this);
        chosen = ChooseFile(this, FileDialogMode::Open, ids::kTorucaFileFilter);
    }
    if (!chosen.Chosen()) {
        return;
    }
    const TorucaFileResult file = ReadTorucaFile(PathFromUtf8(chosen.path));
    if (!file.record) {
        OwnBox(Tr(ids::kErrorCaption), FromCp932(file.message), QMessageBox::Warning);
        return;
    }
    SlimEditorState state = State();
    state.toruca.detailUrl = file.record->detailUrl;
    state.toruca.categoryIcon = file.record->categoryIcon;
    state.toruca.data1 = file.record->data1;
    state.toruca.data2 = file.record->data2;
    state.toruca.data3 = file.record->data3;
    SetState(state);
}

}  // namespace morvik
