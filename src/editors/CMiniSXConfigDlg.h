#pragma once
// The basic settings page of the MiniSx detailed window, and the smartphone settings page under
// its detection page: the "docomo設定" and "au/SoftBank/WILLCOM設定" groups with the function
// pages, as a Mini/MiniS set page shows them but without the set's lamp, sound and copy buttons
// (the MiniSx has one lamp and sound window of its own).

#include "editors/CMiniConfigDlg.h"

namespace morvik {

// No signals or slots of its own, so no meta object either.
class CMiniSXConfigDlg : public CMiniConfigDlg {
  public:
    // setIndex: 0 the basic settings (psA1, psB1, que1), 1 the smartphone settings (…2).
    explicit CMiniSXConfigDlg(int setIndex, QWidget* parent = nullptr)
        : CMiniConfigDlg(setIndex, false, parent) {
        setObjectName(QStringLiteral("CMiniSXConfigDlg"));
    }
};

}  // namespace morvik
