#include "editors/CMiniSXSoundDlg.h"

#include <algorithm>
#include <vector>

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CSoundRow.h"
#include "model/MiniSxEditorRules.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// Room for a path of some depth in every field, inside a 1024 x 768 screen.
constexpr int kInitialWidth = 860;

}  // namespace

CMiniSXSoundDlg::CMiniSXSoundDlg(QWidget* parent, IWindowHost& host,
                                 const std::array<std::string, kMiniSxSoundSlots>& paths,
                                 bool registerSounds)
    : CSoundRowsDlg(parent, host, kMiniSxSoundSlots, res::ids::kSoundExplanationMiniSx,
                    registerSounds) {
    setObjectName(QStringLiteral("CMiniSXSoundDlg"));
    QVBoxLayout* layout = Body();

    // The groups one above the other, so that the path fields have the width to show a path.
    QGridLayout* grids[2] = {nullptr, nullptr};
    int rowsIn[2] = {0, 0};
    std::vector<QLabel*> labels;
    const MiniSxRowGroup* current = nullptr;
    for (const MiniSxWindowRow& entry : kMiniSxSoundRows) {
        if (current == nullptr || *current != entry.group) {
            current = &entry.group;
            auto* group = new QGroupBox(Tr(MiniSxRowGroupTitleId(entry.group)), this);
            auto* inner = new QVBoxLayout(group);
            const int powerTitles[] = {res::ids::kPowerAc, res::ids::kPowerBattery};
            for (int power = 0; power < 2; ++power) {
                auto* box = new QGroupBox(Tr(powerTitles[power]), group);
                grids[power] = new QGridLayout(box);
                grids[power]->setColumnStretch(1, 1);
                rowsIn[power] = 0;
                inner->addWidget(box);
            }
            layout->addWidget(group);
        }
        const int power = entry.battery ? 1 : 0;
        QWidget* box = grids[power]->parentWidget();
        auto* row = new CSoundRow(box, Tr(entry.labelId), FromCp932(paths[entry.index]));
        row->AddTo(grids[power], rowsIn[power]++);
        labels.push_back(row->Label());
        SetRow(entry.index, row);
    }
    // Each box has its own grid: the labels share one width so that the fields line up.
    int labelWidth = 0;
    for (QLabel* label : labels) {
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    for (QLabel* label : labels) {
        label->setMinimumWidth(labelWidth);
    }

    FinishLayout();
    resize(sizeHint().expandedTo(QSize(kInitialWidth, 0)));
}

std::array<std::string, kMiniSxSoundSlots> CMiniSXSoundDlg::Paths() const {
    const std::vector<std::string> list = PathList();
    std::array<std::string, kMiniSxSoundSlots> paths;
    std::copy(list.begin(), list.end(), paths.begin());
    return paths;
}

std::vector<std::string> CMiniSXSoundDlg::StandardPaths() const {
    const auto standard = StandardMiniSxSoundPaths(ProgramFolder());
    return {standard.begin(), standard.end()};
}

bool RunMiniSxSoundDialog(QWidget* parent, IWindowHost& host,
                          std::array<std::string, kMiniSxSoundSlots>& paths, bool& registerSounds) {
    CMiniSXSoundDlg dialog(parent, host, paths, registerSounds);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    paths = dialog.Paths();
    registerSounds = dialog.RegisterSounds();
    return true;
}

}  // namespace morvik
