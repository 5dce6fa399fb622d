#pragma once
// The firmware update window ("ファームウェアの更新"): leads the operator from switching the
// terminal into update mode, through choosing the image, to the check that the restarted
// terminal reports the image's version. Driven by a step number (see sessions/FirmwareUpdate.h):
// "次へ" advances it, "中止" (and Escape, and the Close box) cancel by step.
//
// The main window connects the port before the window runs and disconnects afterwards. While the
// window is open the port belongs to the trigger (step 1) and then to the update worker (step 3);
// the window itself only polls them with its timers and restores the port's time-outs.

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

#include "dialogs/SessionWindowMark.h"
#include "link/SerialCommAPI.h"
#include "protocol/Edition.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace morvik {

class IWindowHost;
class CFirmwareTrigger;
class CFirmwareUpdateWorker;

class CFirmDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kProgressIntervalMs = 100;   // timer 1: transfer progress
    static constexpr int kAnimationIntervalMs = 500;  // timer 2: the update-mode picture

    CFirmDlg(IWindowHost& host, EditionCode code, QWidget* parent = nullptr);
    ~CFirmDlg() override;

    int Step() const { return step_; }
    bool MiniFamily() const { return code_ != kEditionSlim; }
    QString MessageText() const;
    QString InfoText() const;
    bool InfoVisible() const;
    bool PictureShown() const;
    int AnimationFrame() const { return frame_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* CancelButton() const { return cancel_; }
    QLineEdit* PathEdit() const { return path_; }
    QProgressBar* ProgressBar() const { return bar_; }

  public slots:
    // "次へ": the step goes one further (unless it is a side exit) and is carried out.
    void OnNext();
    // "中止" / "閉じる", Escape and the Close box.
    void reject() override;

  private:
    void BuildWindow();
    void RunStep();
    void EnterUpdateModeStep();
    void ChooseImageStep();
    void SendStep();
    void ShowFinalStep(bool cancelled);
    void StopTrigger();
    void RestoreTimeouts();
    void OnBrowse();
    void OnPathChanged();
    void OnProgressTimer();
    void OnAnimationTimer();
    void SetMessage(int step);
    void ShowTransferControls(bool show);
    void RefreshPicture();

    IWindowHost& host_;
    EditionCode code_;
    int step_ = 0;
    bool pictureFlag_ = false;
    int frame_ = 0;
    CommTimeouts saved_;
    std::string imagePath_;
    std::string imageVersion_;
    std::int64_t dataLength_ = 0;

    std::unique_ptr<CFirmwareTrigger> trigger_;
    std::unique_ptr<CFirmwareUpdateWorker> worker_;
    QTimer progressTimer_;
    QTimer animationTimer_;

    QLabel* message_ = nullptr;
    QLabel* picture_ = nullptr;
    QLabel* pathLabel_ = nullptr;
    QLineEdit* path_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* info_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* cancel_ = nullptr;
    // The end of the program stops this window as its cancel button does.
    CSessionWindowMark mark_{*this};
};

}  // namespace morvik
