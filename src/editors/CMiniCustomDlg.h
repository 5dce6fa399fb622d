#pragma once
// The detailed settings window of a Mini/MiniS (詳細設定): four tabs (設定1, 設定2, 定期誘導設定,
// 本体設定) over one settings value, the note line about the sounds, ファイルに保存,
// パソコンの時刻に合わせる, 設定/再起動 and 閉じる. It reads a terminal or a settings file
// through a read session and writes through a write session; the pages edit the value in place.
//
// The window is a top-level window of its own, deleted when it closes; it leaves the main
// window's slot and list as it goes.

#include <QString>
#include <QWidget>

#include "app/ISettingsWindow.h"
#include "model/LampRowChoices.h"
#include "model/MiniSettings.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace morvik {

class CMVKAppDlg;
class CAttractDlg;
class CMiniConfigDlg;
class CTermConfigDlg;

class CMiniCustomDlg : public QWidget, public ISettingsWindow {
    Q_OBJECT

  public:
    explicit CMiniCustomDlg(CMVKAppDlg& main);
    ~CMiniCustomDlg() override;

    void SetCloseAfterWrite(bool on) override { closeAfterWrite_ = on; }
    bool CloseAfterWrite() const { return closeAfterWrite_; }

    // The caption 196 with the text the main window gives (the connection or the file name).
    void SetCaptionText(const QString& text);

    // What a read ended with: whether the values were taken, and what to show the operator
    // (the session's error text, or its warnings beside the values that were taken).
    struct ReadOutcome {
        bool loaded = false;
        QString message;
    };
    // Reads the terminal (a session of its own) or, with a path, a settings file.
    ReadOutcome Read(const QString& filePath = QString());

    // The write flow of 設定/再起動 and the save of ファイルに保存 (path asked for when empty).
    void Write();
    void SaveToFile(const QString& path = QString());

    MiniSettings& Settings() { return settings_; }
    MiniLampChoices& LampChoices() { return choices_; }
    // Shows the value again after it was changed from outside the pages.
    void RefreshAll();

    QTabWidget* Tabs() const { return tabs_; }
    CMiniConfigDlg* SetPage(int setIndex) const { return setPages_[setIndex == 0 ? 0 : 1]; }
    CTermConfigDlg* TermPage() const { return termPage_; }
    CAttractDlg* AttractPage() const { return attractPage_; }
    QLabel* NoteLine() const { return note_; }
    QPushButton* WriteButton() const { return write_; }
    QPushButton* SaveButton() const { return save_; }
    QCheckBox* ClockBox() const { return clock_; }
    QPushButton* CloseButton() const { return close_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void UpdateButtons();
    void UpdateNote();
    void SetBusy(bool busy);
    void ShowLengthMessage(const QString& text);
    void CopySet(int fromSet);
    void OpenSetLamp(int setIndex);
    void OpenSound(int mode);
    void OpenGuidanceLamp();

    CMVKAppDlg& main_;
    MiniSettings settings_;
    MiniLampChoices choices_;
    bool closeAfterWrite_ = false;
    QTabWidget* tabs_;
    CMiniConfigDlg* setPages_[2];
    CAttractDlg* attractPage_;
    CTermConfigDlg* termPage_;
    QLabel* note_;
    QPushButton* save_;
    QCheckBox* clock_;
    QPushButton* write_;
    QPushButton* close_;
};

}  // namespace morvik
