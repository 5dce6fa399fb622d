#pragma once
// The 本体設定 page of the Mini/MiniS detailed settings window: card detection, touch log,
// setting switch, operating mode, authentication code and clock check, bound to the terminal
// settings of the window's settings value.

#include <QWidget>

#include "model/MiniCatalogueSettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace morvik {

class CTermConfigDlg : public QWidget {
    Q_OBJECT

  public:
    explicit CTermConfigDlg(QWidget* parent = nullptr);

    void Bind(MiniTerminalSettings* settings);
    void Refresh();

    QComboBox* CardDetection() const { return cardDetection_; }
    QCheckBox* TouchLog() const { return touchLog_; }
    QComboBox* SettingSwitch() const { return settingSwitch_; }
    QComboBox* OperationMode() const { return operationMode_; }
    QLineEdit* AuthCode() const { return authCode_; }
    QCheckBox* ClockCheck() const { return clockCheck_; }

  private:
    MiniTerminalSettings* settings_ = nullptr;
    QComboBox* cardDetection_;
    QCheckBox* touchLog_;
    QComboBox* settingSwitch_;
    QComboBox* operationMode_;
    QLineEdit* authCode_;
    QCheckBox* clockCheck_;
};

}  // namespace morvik
