#pragma once
// The service settings window of a Mini/MiniS (Ctrl+S): the easy window with the service limits
// (URL 109, message 108 bytes), an encrypted query for both groups, the two notes, and its texts
// starting from the preferences' service browser URL and message. Modal.

#include "editors/CMiniEasyDlg.h"

namespace morvik {

class CMiniServiceDlg : public CMiniEasyDlg {
    Q_OBJECT

  public:
    CMiniServiceDlg(IWindowHost& host, QWidget* parent);

  protected:
    // The service window of an edition (kEditionMini or kEditionMiniSx).
    CMiniServiceDlg(IWindowHost& host, EditionCode edition, QWidget* parent);
};

}  // namespace morvik
