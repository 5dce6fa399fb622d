#pragma once
// The smartphone detection page of the MiniSx detailed window (group
// "おサイフケータイスマートフォン検出動作"): 基本設定を使用する, KelTouch, or the separate
// おサイフケータイスマートフォン設定. It edits the detection value in place; the window shows the
// smartphone settings page under it while the third choice stands.

#include <QWidget>

#include "model/MiniSxAdditions.h"

class QRadioButton;

namespace morvik {

class CMiniSXFSmartConfigDlg : public QWidget {
    Q_OBJECT

  public:
    explicit CMiniSXFSmartConfigDlg(QWidget* parent = nullptr);

    void Bind(MiniSxSmartphoneDetection* detection);
    // Shows the choice the bound value gives.
    void Refresh();

    QRadioButton* ChoiceButton(SmartphoneChoice choice) const;

  signals:
    // The operator picked a choice (the value already holds it).
    void Chosen(SmartphoneChoice choice);

  private:
    MiniSxSmartphoneDetection* detection_ = nullptr;
    QRadioButton* buttons_[3];
};

}  // namespace morvik
