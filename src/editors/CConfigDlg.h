#pragma once
// The Slim settings window: the settings of one Slim terminal or of one Slim settings file. It
// is a modeless top-level window that the main window opens for a terminal (its Slim slot) or
// for a file (its Slim list); it is deleted when it closes and never outlives the main window.
//
// The window only binds widgets to the GUI-free editor state: the rules (which groups take
// input, sizes against capacities, the order of the checks, what is written) are the model's.
// Reading fills it through a read session; "設定の書き込み" runs a write session, which refuses
// a terminal that is no Slim; "ファイルに保存" writes a Slim settings file. Every path that
// opened a command session on a Slim ends it with "exit" before the port is closed, so the
// terminal never stays in command mode.

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <string>

#include "app/ISettingsWindow.h"
#include "editors/SlimConfigForm.h"
#include "files/SettingsFile.h"
#include "model/SlimEditorView.h"
#include "model/SlimSettings.h"

namespace morvik {

class IWindowHost;
class CSessionWorker;
class CSlimReadSession;

class CConfigDlg : public QDialog, public ISettingsWindow {
    Q_OBJECT

  public:
    // A window for the terminal or for a file: a top-level window without a parent. It deletes
    // itself when it closes.
    explicit CConfigDlg(IWindowHost& host);
    ~CConfigDlg() override;

    void SetCloseAfterWrite(bool on) override { closeAfterWrite_ = on; }
    bool HasUnsavedChanges() const override { return State() != clean_; }
    bool CloseAfterWriteSet() const { return closeAfterWrite_; }

    // Reads the terminal inside the command session the main window opened; the session ends
    // with "exit" and the port is closed once the read is done. True when the read was clean.
    bool ReadFromTerminal();
    // Loads the Slim settings file at path from what ReadAnySettingsFile read of it (the file
    // is not opened again). True when it loaded.
    bool ReadFromFile(const QString& path, SettingsFileText file);
    // The results of the last read: whether it failed (warnings count as a failure), whether
    // the values were placed in the window all the same (a read with warnings only), and the
    // session's text (code page 932).
    bool ReadFailed() const { return readFailed_; }
    bool ReadLoaded() const { return readLoaded_; }
    bool ReadWarnings() const { return readWarnings_; }
    const std::string& ResultText() const { return resultText_; }
    // The file the window shows ("" for a terminal) and its text as read.
    bool FromFile() const { return fromFile_; }
    const std::string& FileText() const { return fileText_; }

    // The values the window holds, and placing values in it.
    SlimEditorState State() const;
    void SetState(const SlimEditorState& state);
    SlimEditorView View() const { return ViewSlimEditor(State(), mode_); }

    // A message box owned by this window, inside the main window's modal guard.
    void OwnBox(const QString& caption, const QString& text, QMessageBox::Icon icon);

  protected:
    // The service window's form of the editor.
    CConfigDlg(IWindowHost& host, SlimEditorMode mode, QWidget* parent);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    SlimConfigForm& Form() { return form_; }
    IWindowHost& Host() { return host_; }
    // Recomputes what depends on the values: group enabling, sizes, buttons, summaries.
    void Refresh();
    // The values shown now count as nothing to lose (Esc may close the window).
    void MarkClean() { clean_ = State(); }

  public slots:
    void reject() override;
    void done(int result) override;

  private slots:
    void OnWrite();
    void OnSave();
    void OnOpenToruca();

  private:
    void Initialise();
    void Connect();
    // The field's refusal of an edit, then the focus back in the field.
    void ShowRefusal(SlimField field, const QString& message);
    // Disables every control that changes settings while a session runs, or enables them
    // again (the function's enabling applies once more).
    void SetSessionRunning(bool running);
    // Runs the session in a progress window; the exchange-ended handler (a terminal session)
    // leaves the terminal out of command mode and closes the port. True when it was clean.
    bool RunSession(CSessionWorker& session, bool readsFile);
    bool ApplyRead(bool clean, const CSlimReadSession& read);
    // Leaves the terminal of a finished session ("exit", unless the session refused it) and
    // closes the port.
    void EndExchange(const CSessionWorker& session);
    bool Validate();

    IWindowHost& host_;
    SlimEditorMode mode_;
    SlimConfigForm form_;
    bool closeAfterWrite_ = false;
    bool sessionRunning_ = false;
    bool closing_ = false;
    bool fromFile_ = false;
    std::string filePath_;
    std::string fileText_;
    bool readFailed_ = false;
    bool readLoaded_ = false;
    bool readWarnings_ = false;
    std::string resultText_;
    // The values last read, written or saved: Esc closes the window only while nothing else
    // would be lost.
    SlimEditorState clean_;
};

}  // namespace morvik
