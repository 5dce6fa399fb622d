#pragma once
// The easy settings window of a Mini/MiniS (かんたん設定): one browser launch (URL and
// message) for every group of both sets, a sound choice, a lamp choice and
// パソコンの時刻に合わせる. The service window (CMiniServiceDlg) is the same window with its own
// limits, an encrypted query and two notes. What a write sends is the plan of
// sessions/MiniQuickWrite.h.
//
// The MiniSx windows (CMiniSXEasyDlg, CMiniSXServiceDlg) are this window for the MiniSx edition:
// the same fields and limits, their own captions and notes, and the MiniSx write, which gives the
// smartphones and the NFC smartphones the same browser launch (sessions/MiniSxQuickWrite.h).

#include <QDialog>
#include <vector>

#include "app/ISettingsWindow.h"
#include "protocol/Edition.h"
#include "sessions/MiniQuickWrite.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace morvik {

class CByteField;
class IWindowHost;

class CMiniEasyDlg : public QDialog, public ISettingsWindow {
    Q_OBJECT

  public:
    // The easy window: modeless, deleted when it closes.
    explicit CMiniEasyDlg(IWindowHost& host);
    ~CMiniEasyDlg() override;

    void SetCloseAfterWrite(bool on) override { closeAfterWrite_ = on; }
    bool HasUnsavedChanges() const override;

    // The settings as the window holds them now.
    MiniQuickSettings Quick() const;
    // The write flow of 設定/再起動.
    void Write();

    CByteField* UrlField() const { return url_; }
    CByteField* MessageField() const { return message_; }
    QLabel* Counter() const { return counter_; }
    QComboBox* SoundList() const { return sound_; }
    QComboBox* LampList() const { return lamp_; }
    QCheckBox* ClockBox() const { return clock_; }
    QPushButton* WriteButton() const { return write_; }
    QPushButton* CloseButton() const { return close_; }

  protected:
    // edition: kEditionMini or kEditionMiniSx; it decides the texts and the write.
    CMiniEasyDlg(IWindowHost& host, EditionCode edition, QuickWindow window, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;
    // Shows the counter and enables 設定/再起動 for the texts held now.
    void Recount();
    // What the window holds now counts as nothing to lose.
    void MarkClean() { clean_ = Quick(); }

  public slots:
    // 閉じる and the close box: asks first while the window holds unwritten changes.
    void reject() override;

  private:
    void Build();
    // The window's notes above the fields, by edition and window.
    std::vector<int> NoteIds() const;
    // Opens the terminal and runs the edition's write session over plan in its progress window.
    template <class Dialog>
    void RunWrite(MiniQuickPlan plan);

    IWindowHost& host_;
    EditionCode edition_;
    QuickWindow window_;
    QuickLimits limits_;
    bool closeAfterWrite_;
    CByteField* url_ = nullptr;
    CByteField* message_ = nullptr;
    QLabel* counter_ = nullptr;
    QComboBox* sound_ = nullptr;
    QComboBox* lamp_ = nullptr;
    QCheckBox* clock_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* close_ = nullptr;
    MiniQuickSettings clean_;
};

}  // namespace morvik
