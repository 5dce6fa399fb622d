#include "editors/CMiniSXLampDlg.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CLampRow.h"
#include "model/MiniSxEditorRules.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

CMiniSXLampDlg::CMiniSXLampDlg(QWidget* parent, IWindowHost& host, const MiniSxLamps& patterns,
                               const MiniSxLampChoices& choices)
    : CLampRowsDlg(parent, host, Tr(res::ids::kLamp)) {
    setObjectName(QStringLiteral("CMiniSXLampDlg"));
    QGroupBox* boxes[2] = {nullptr, nullptr};
    const MiniSxRowGroup* current = nullptr;
    for (const MiniSxWindowRow& row : kMiniSxLampRows) {
        if (current == nullptr || *current != row.group) {
            current = &row.group;
            auto* group = new QGroupBox(Tr(MiniSxRowGroupTitleId(row.group)), this);
            auto* inner = new QVBoxLayout(group);
            boxes[0] = AddBox(inner, Tr(res::ids::kPowerAc), group);
            boxes[1] = AddBox(inner, Tr(res::ids::kPowerBattery), group);
            Body()->addWidget(group);
        }
        const bool idle = IsIdleLampKey(res::Text(kMiniSxLampKeyIds[row.index]));
        AddRow(boxes[row.battery ? 1 : 0], Tr(row.labelId), idle, patterns[row.index],
               choices[row.index]);
    }
    // Three groups of two boxes each: tighter margins than the Mini's two boxes keep the window
    // inside a 768-pixel high screen.
    Body()->setSpacing(4);
    for (QGroupBox* box : findChildren<QGroupBox*>()) {
        box->layout()->setContentsMargins(8, 4, 8, 4);
        box->layout()->setSpacing(4);
    }
    FinishLayout();
}

CLampRow* CMiniSXLampDlg::RowOfLamp(std::size_t lamp) const {
    for (std::size_t i = 0; i < kMiniSxLampRows.size(); ++i) {
        if (kMiniSxLampRows[i].index == lamp) {
            return Row(static_cast<int>(i));
        }
    }
    return nullptr;
}

MiniSxLamps CMiniSXLampDlg::Patterns() const {
    MiniSxLamps patterns;
    for (std::size_t lamp = 0; lamp < patterns.size(); ++lamp) {
        patterns[lamp] = RowOfLamp(lamp)->Pattern();
    }
    return patterns;
}

MiniSxLampChoices CMiniSXLampDlg::Choices() const {
    MiniSxLampChoices choices;
    for (std::size_t lamp = 0; lamp < choices.size(); ++lamp) {
        choices[lamp] = RowOfLamp(lamp)->Choice();
    }
    return choices;
}

bool RunMiniSxLampDialog(QWidget* parent, IWindowHost& host, MiniSxLamps& patterns,
                         MiniSxLampChoices& choices) {
    CMiniSXLampDlg dialog(parent, host, patterns, choices);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    patterns = dialog.Patterns();
    choices = dialog.Choices();
    return true;
}

}  // namespace morvik
