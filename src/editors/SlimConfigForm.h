#pragma once
// The controls of the Slim settings window and their layout: the function list with its
// summaries, the three record groups, the query switches, the encryption and behaviour boxes,
// the body summary, the three size fields and the buttons. Created in Tab order.

#include <array>

#include "model/SlimEditorFields.h"

class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace morvik {

class CByteField;

struct SlimConfigForm {
    // Indexed by record kind in the order browser, Toruca, mailer.
    static constexpr int kGroups = 3;

    QComboBox* functions = nullptr;
    QLabel* docomoSummary = nullptr;
    QLabel* othersSummary = nullptr;
    QLabel* description = nullptr;
    std::array<QGroupBox*, kGroups> groups{};
    std::array<CByteField*, kSlimFieldCount> fields{};
    std::array<QLabel*, kGroups> queryLabels{};
    std::array<QRadioButton*, kGroups> queryOn{};
    std::array<QRadioButton*, kGroups> queryOff{};
    QPushButton* openToruca = nullptr;
    QCheckBox* encrypt = nullptr;
    // 待機時ランプ, ブザー, 電圧低下時ブザー, 失敗時ランプ・ブザー.
    std::array<QCheckBox*, 4> behaviour{};
    // 待機ランプ, 失敗ランプ, 失敗ブザー, 電圧低下ブザー, その他ブザー.
    std::array<QLineEdit*, 5> summary{};
    std::array<QLabel*, kGroups> sizeLabels{};
    std::array<QLineEdit*, kGroups> sizes{};
    QPushButton* write = nullptr;
    QPushButton* save = nullptr;
    QPushButton* close = nullptr;

    void Build(QDialog* window);
    CByteField* Field(SlimField field) const { return fields[static_cast<std::size_t>(field)]; }
};

int GroupIndex(SlimRecordKind kind);

}  // namespace morvik
