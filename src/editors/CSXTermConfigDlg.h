#pragma once
// The body settings page (本体設定) of the MiniSx detailed window: "時刻チェックを行う" with its
// help text, and the buttons that open the MiniSx lamp and sound windows (the window runs them
// over its settings).

#include <QWidget>

class QCheckBox;
class QPushButton;

namespace morvik {

class CSXTermConfigDlg : public QWidget {
    Q_OBJECT

  public:
    explicit CSXTermConfigDlg(QWidget* parent = nullptr);

    // The time check the page edits in place.
    void Bind(bool* clockCheck);
    void Refresh();

    QCheckBox* ClockCheck() const { return clockCheck_; }
    QPushButton* LampButton() const { return lamp_; }
    QPushButton* SoundButton() const { return sound_; }

  signals:
    void LampClicked();
    void SoundClicked();

  private:
    bool* bound_ = nullptr;
    QCheckBox* clockCheck_;
    QPushButton* lamp_;
    QPushButton* sound_;
};

}  // namespace morvik
