#pragma once
// The service settings window of a MiniSx (Ctrl+S, モルヴィク・ミニSx サービス設定): the
// Mini/MiniS service window for the MiniSx, its texts starting from the preferences' service
// browser URL and message. The browser launch goes to every group of both sets and to the NFC
// smartphones, each with the encrypted query. Modal.

#include "editors/CMiniServiceDlg.h"

namespace morvik {

class CMiniSXServiceDlg : public CMiniServiceDlg {
    Q_OBJECT

  public:
    CMiniSXServiceDlg(IWindowHost& host, QWidget* parent);
};

}  // namespace morvik
