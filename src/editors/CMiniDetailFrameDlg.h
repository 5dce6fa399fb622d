#pragma once
// What the detailed settings windows of the Mini family share: a top-level window with a tab
// control, the note line about the sounds, ファイルに保存, パソコンの時刻に合わせる, 設定/再起動
// and 閉じる; the read through a progress window, the write flow (all validation messages
// together, open the terminal, the write in its progress window inside the modal guard, the
// outcome, close after a write when asked) and the save to a settings file. Each edition's window
// adds its pages and says what its settings are, how they are checked, read, written and saved.
//
// The window is deleted when it closes; it leaves the main window's slot and list as it goes.

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ISettingsWindow.h"
#include "editors/MiniWriteRun.h"
#include "files/SettingsFile.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace morvik {

class IWindowHost;
class CSessionWorker;

class CMiniDetailFrameDlg : public QWidget, public ISettingsWindow {
    Q_OBJECT

  public:
    ~CMiniDetailFrameDlg() override;

    void SetCloseAfterWrite(bool on) override { closeAfterWrite_ = on; }
    bool CloseAfterWrite() const { return closeAfterWrite_; }

    // The window's caption with the text the main window gives (the connection or file name).
    void SetCaptionText(const QString& text);

    // What a read ended with: whether the values were taken, and what to show the operator
    // (the session's error text, or its warnings beside the values that were taken).
    struct ReadOutcome {
        bool loaded = false;
        QString message;
    };
    // Reads the terminal (a session of its own), or loads a settings file of the window's
    // edition from what ReadAnySettingsFile read of it (the file is not opened again).
    ReadOutcome Read();
    ReadOutcome Read(SettingsFileText file);

    // The write flow of 設定/再起動 and the save of ファイルに保存 (path asked for when empty).
    void Write();
    void SaveToFile(const QString& path = QString());

    QTabWidget* Tabs() const { return tabs_; }
    QLabel* NoteLine() const { return note_; }
    QPushButton* WriteButton() const { return write_; }
    QPushButton* SaveButton() const { return save_; }
    QCheckBox* ClockBox() const { return clock_; }
    QPushButton* CloseButton() const { return close_; }

  protected:
    // captionId: the caption format with one "%s".
    CMiniDetailFrameDlg(IWindowHost& host, int captionId);

    IWindowHost& Host() { return host_; }
    // Lays the frame out once the tabs are added.
    void FinishLayout();
    // Enables 設定/再起動 and ファイルに保存 as WriteAllowed says.
    void UpdateButtons();
    // Shows the note line NoteId gives.
    void UpdateNote();
    void ShowRefusal(const QString& text);

    // ---- What each edition's window says ---------------------------------------------------
    // The messages that stop a write or a save; empty when the settings may go.
    virtual std::vector<std::string> Validate() const = 0;
    virtual bool WriteAllowed() const = 0;
    // The string table entry of the note line.
    virtual int NoteId() const = 0;
    // A read of the terminal (no file) or of a settings file already read, starting from what
    // the window holds.
    virtual std::unique_ptr<CSessionWorker> MakeReadSession(
        std::optional<SettingsFileText> file) = 0;
    // Runs the read in the edition's progress window; the port closes when the exchange ended.
    virtual void RunRead(CSessionWorker& read, bool fromFile) = 0;
    // Takes the values of a finished read into the window; false when the read loaded nothing.
    virtual bool TakeRead(const CSessionWorker& read) = 0;
    // Runs the write on the open session in its progress window.
    virtual WriteOutcome RunWrite(bool setClock) = 0;
    // Saves to path; false with message (code page 932) when it could not.
    virtual bool SaveSettingsFile(const QString& path, std::string& message) const = 0;
    // What the window holds now counts as nothing to lose (written, saved or just read).
    virtual void MarkClean() = 0;

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ReadOutcome RunReadSession(std::optional<SettingsFileText> file);
    void SetBusy(bool busy);

    IWindowHost& host_;
    int captionId_;
    bool closeAfterWrite_ = false;
    QTabWidget* tabs_;
    QLabel* note_;
    QPushButton* save_;
    QCheckBox* clock_;
    QPushButton* write_;
    QPushButton* close_;
};

}  // namespace morvik
