#pragma once
// The service settings window of a Slim (サービス設定): the settings editor in a reduced form,
// run modally from the main window's Ctrl+S. It offers 機能1 and 機能2 only, starts from the
// service values of the preferences with encrypted queries on for the browser and Toruca
// records, never reads the terminal, cannot save a file and closes after a successful write.

#include "editors/CConfigDlg.h"

namespace morvik {

class CServiceDlg : public CConfigDlg {
    Q_OBJECT

  public:
    CServiceDlg(IWindowHost& host, QWidget* parent);
    ~CServiceDlg() override;
};

}  // namespace morvik
