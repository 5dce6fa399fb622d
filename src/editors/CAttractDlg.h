#pragma once
// The 定期誘導設定 page of the Mini/MiniS detailed settings window: whether periodic guidance is
// used, its start and end times, its interval, and the buttons that open the guidance lamp and
// sound dialogs. Bound to the periodic guidance of the window's settings value.

#include <QWidget>

#include "model/Guidance.h"

class QComboBox;
class QPushButton;
class QRadioButton;

namespace morvik {

class CAttractDlg : public QWidget {
    Q_OBJECT

  public:
    explicit CAttractDlg(QWidget* parent = nullptr);

    void Bind(PeriodicGuidance* guidance);
    void Refresh();

    QRadioButton* UseButton() const { return use_; }
    QRadioButton* DontUseButton() const { return dontUse_; }
    QComboBox* StartHour() const { return startHour_; }
    QComboBox* StartMinute() const { return startMinute_; }
    QComboBox* EndHour() const { return endHour_; }
    QComboBox* EndMinute() const { return endMinute_; }
    QComboBox* Interval() const { return interval_; }
    QPushButton* LampButton() const { return lamp_; }
    QPushButton* SoundButton() const { return sound_; }

  signals:
    void LampClicked();
    void SoundClicked();

  private:
    void Store();

    PeriodicGuidance* guidance_ = nullptr;
    QRadioButton* use_;
    QRadioButton* dontUse_;
    QComboBox* startHour_;
    QComboBox* startMinute_;
    QComboBox* endHour_;
    QComboBox* endMinute_;
    QComboBox* interval_;
    QPushButton* lamp_;
    QPushButton* sound_;
};

}  // namespace morvik
