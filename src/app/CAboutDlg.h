#pragma once
// The About box: the program's name and its version.

#include <QDialog>

namespace morvik {

class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // "モルヴィク・ミニ スリム共通設定ツール Version " followed by the program's version.
    static QString VersionText();
};

}  // namespace morvik
