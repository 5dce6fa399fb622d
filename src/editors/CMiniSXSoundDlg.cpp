#include "editors/CMiniSXSoundDlg.h"

#include <algorithm>
#include <vector>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CSoundRow.h"
#include "editors/SoundOkBoxes.h"
#include "model/MiniSxEditorRules.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// Room for a path of some depth in every field, inside a 1024 x 768 screen.
constexpr int kInitialWidth = 860;

}  // namespace

CMiniSXSoundDlg::CMiniSXSoundDlg(QWidget* parent, CMVKAppDlg& main,
                                 const std::array<std::string, kMiniSXSoundSlots>& paths,
                                 bool registerSounds)
    : QDialog(parent),
      main_(main),
      register_(new QCheckBox(Tr(res::ids::kRegisterSounds), this)),
      standard_(new QPushButton(Tr(res::ids::kSetStandardSounds), this)) {
    setObjectName(QStringLiteral("CMiniSXSoundDlg"));
    setWindowTitle(Tr(res::ids::kSound));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(Tr(res::ids::kSoundExplanationMiniSx).remove(QLatin1Char('\r')), this));

    // The groups one above the other, so that the path fields have the width to show a path.
    QGridLayout* grids[2] = {nullptr, nullptr};
    int rowsIn[2] = {0, 0};
    std::vector<QLabel*> labels;
    const MiniSXRowGroup* current = nullptr;
    for (const MiniSXWindowRow& entry : kMiniSXSoundRows) {
        if (current == nullptr || *current != entry.group) {
            current = &entry.group;
            auto* group = new QGroupBox(Tr(MiniSXRowGroupTitleId(entry.group)), this);
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
        rows_[entry.index] = row;
    }
    // Each box has its own grid: the labels share one width so that the fields line up.
    int labelWidth = 0;
    for (QLabel* label : labels) {
        labelWidth = std::max(labelWidth, label->sizeHint().width());
    }
    for (QLabel* label : labels) {
        label->setMinimumWidth(labelWidth);
    }

    register_->setChecked(registerSounds);
    standard_->setAutoDefault(false);
    connect(standard_, &QPushButton::clicked, this, &CMiniSXSoundDlg::SetStandardSounds);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(res::ids::kButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(res::ids::kButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMiniSXSoundDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMiniSXSoundDlg::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(standard_);
    bottom->addWidget(register_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    resize(sizeHint().expandedTo(QSize(kInitialWidth, 0)));
}

std::array<std::string, kMiniSXSoundSlots> CMiniSXSoundDlg::Paths() const {
    std::array<std::string, kMiniSXSoundSlots> paths;
    for (std::size_t slot = 0; slot < paths.size(); ++slot) {
        paths[slot] = ToCp932(rows_[slot]->Path());
    }
    return paths;
}

bool CMiniSXSoundDlg::RegisterSounds() const {
    return register_->isChecked();
}

void CMiniSXSoundDlg::SetStandardSounds() {
    const auto standard = StandardMiniSXSoundPaths(ProgramFolder());
    for (std::size_t slot = 0; slot < standard.size(); ++slot) {
        rows_[slot]->SetPath(FromCp932(standard[slot]));
    }
}

void CMiniSXSoundDlg::accept() {
    if (ConfirmSoundOk(main_, this, Paths(), RegisterSounds())) {
        QDialog::accept();
    }
}

bool RunMiniSXSoundDialog(QWidget* parent, CMVKAppDlg& main,
                          std::array<std::string, kMiniSXSoundSlots>& paths, bool& registerSounds) {
    CMiniSXSoundDlg dialog(parent, main, paths, registerSounds);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    paths = dialog.Paths();
    registerSounds = dialog.RegisterSounds();
    return true;
}

}  // namespace morvik
