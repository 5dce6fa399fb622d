#pragma once
// The chooser of 機器設定の変更 on a Mini-family terminal: かんたん設定 or 詳細設定. It only
// asks; the main window opens the chosen window once the chooser has closed.

#include <QDialog>

#include "protocol/Edition.h"

class QPushButton;

namespace morvik {

class CSelectModeDlg : public QDialog {
    Q_OBJECT

  public:
    enum class Choice { None, Easy, Detailed };

    // edition: kEditionMini or kEditionMiniSx (the caption names it).
    CSelectModeDlg(EditionCode edition, QWidget* parent);

    // Runs the chooser modally; None when it was closed without a choice.
    Choice Run();

    EditionCode Edition() const { return edition_; }
    QPushButton* EasyButton() const { return easy_; }
    QPushButton* DetailedButton() const { return detailed_; }

  private:
    EditionCode edition_;
    Choice choice_ = Choice::None;
    QPushButton* easy_;
    QPushButton* detailed_;
};

}  // namespace morvik
