#pragma once
// The easy settings window of a MiniSx (モルヴィク・ミニSx　かんたん設定): the Mini/MiniS easy
// window for the MiniSx. The browser launch entered there goes to every group of both sets and
// to the NFC smartphones, without a query. Modeless, deleted when it closes.

#include "editors/CMiniEasyDlg.h"

namespace morvik {

class CMiniSXEasyDlg : public CMiniEasyDlg {
    Q_OBJECT

  public:
    explicit CMiniSXEasyDlg(IWindowHost& host);
};

}  // namespace morvik
