#pragma once
// The frame shared by the lamp dialogs: rows of CLampRow in group boxes, the button
// "ユーザ設定の編集" (which opens the user pattern editor and then builds every row again, so that
// a row on a user pattern shows its new text), OK and キャンセル. The dialogs add their boxes.

#include <QDialog>
#include <vector>

#include "model/LampChoices.h"
#include "model/LampRowChoices.h"

class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace morvik {

class CLampRow;
class IWindowHost;

class CLampRowsDlg : public QDialog {
    Q_OBJECT

  public:
    int RowCount() const { return static_cast<int>(rows_.size()); }
    CLampRow* Row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }
    QPushButton* EditUserPatternsButton() const { return editButton_; }
    const UserLampPatterns& UserPatterns() const { return userPatterns_; }

    // Opens the user pattern editor; after OK every row is built again.
    void EditUserPatterns();

  protected:
    CLampRowsDlg(QWidget* parent, IWindowHost& host, const QString& caption);

    // A box titled title whose grid starts with the column header.
    QGroupBox* AddBox(QVBoxLayout* into, const QString& title, QWidget* parent);
    // A row in box (made by AddBox), below the rows already there.
    CLampRow* AddRow(QGroupBox* box, const QString& label, bool idle, const std::string& stored,
                     LampRowChoice choice);
    // The main layout: boxes go here, the buttons follow when FinishLayout is called.
    QVBoxLayout* Body() const { return body_; }
    void FinishLayout();

  private:
    IWindowHost& host_;
    UserLampPatterns userPatterns_;
    std::vector<CLampRow*> rows_;
    QVBoxLayout* body_;
    QPushButton* editButton_;
};

}  // namespace morvik
