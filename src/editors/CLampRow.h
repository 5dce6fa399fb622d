#pragma once
// One lamp row of a lamp dialog: the colour list "色", the pattern list "点滅パターン", the
// read-only field "設定するパターン" and the preview, laid out in a grid row so that the columns
// of all rows line up. The rules are LampRowState's; the row only shows them. Used by the set and
// periodic guidance lamp dialogs and the MiniSx lamp window.

#include <QObject>
#include <string>

#include "model/LampRowState.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace morvik {

class CLampPreview;

class CLampRow : public QObject {
    Q_OBJECT

  public:
    // Creates the row's widgets as children of parent; idle rows offer the idle pattern list and
    // play 250 ms steps.
    CLampRow(QWidget* parent, const QString& label, bool idle, const std::string& stored,
             LampRowChoice choice, const UserLampPatterns* userPatterns);

    // Puts the label and the widgets into row of grid, from column 0.
    void AddTo(QGridLayout* grid, int row);
    // The header labels (色, 点滅パターン, 設定するパターン) for a grid's row.
    static void AddHeader(QWidget* parent, QGridLayout* grid, int row);

    const std::string& Pattern() const { return state_.Pattern(); }
    LampRowChoice Choice() const { return state_.Choice(); }
    // Builds the pattern again from the lists (the user patterns changed).
    void Recompute();

    QLabel* Label() const { return label_; }
    QComboBox* ColourList() const { return colours_; }
    QComboBox* PatternList() const { return patterns_; }
    QLineEdit* ResultField() const { return result_; }
    CLampPreview* Preview() const { return preview_; }

  private:
    void ListChanged();
    void Show();

    LampRowState state_;
    const UserLampPatterns* userPatterns_;
    QLabel* label_;
    QComboBox* colours_;
    QComboBox* patterns_;
    QLineEdit* result_;
    CLampPreview* preview_;
};

}  // namespace morvik
