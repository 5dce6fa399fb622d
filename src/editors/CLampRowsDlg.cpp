#include "editors/CLampRowsDlg.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "editors/CLampCustomDlg.h"
#include "editors/CLampRow.h"
#include "res/StringIds.h"

namespace morvik {

CLampRowsDlg::CLampRowsDlg(QWidget* parent, IWindowHost& host, const QString& caption)
    : QDialog(parent),
      host_(host),
      userPatterns_(LoadUserLampPatterns(host)),
      body_(new QVBoxLayout(this)),
      editButton_(new QPushButton(Tr(res::ids::kEditUserPatterns), this)) {
    setWindowTitle(caption);
    editButton_->setAutoDefault(false);
    connect(editButton_, &QPushButton::clicked, this, &CLampRowsDlg::EditUserPatterns);
}

QGroupBox* CLampRowsDlg::AddBox(QVBoxLayout* into, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    CLampRow::AddHeader(box, grid, 0);
    into->addWidget(box);
    return box;
}

CLampRow* CLampRowsDlg::AddRow(QGroupBox* box, const QString& label, bool idle,
                               const std::string& stored, LampRowChoice choice) {
    auto* grid = static_cast<QGridLayout*>(box->layout());
    auto* row = new CLampRow(box, label, idle, stored, choice, &userPatterns_);
    row->AddTo(grid, grid->rowCount());
    rows_.push_back(row);
    return row;
}

void CLampRowsDlg::FinishLayout() {
    // Each box has its own grid: give every column the width of its widest cell so that the
    // columns of all boxes line up.
    auto widest = [this](auto cell) {
        int width = 0;
        for (CLampRow* row : rows_) {
            width = std::max(width, cell(row)->sizeHint().width());
        }
        for (CLampRow* row : rows_) {
            cell(row)->setMinimumWidth(width);
        }
    };
    widest([](CLampRow* row) -> QWidget* { return row->Label(); });
    widest([](CLampRow* row) -> QWidget* { return row->ColourList(); });
    widest([](CLampRow* row) -> QWidget* { return row->PatternList(); });
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(res::ids::kButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(res::ids::kButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLampRowsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLampRowsDlg::reject);
    auto* line = new QHBoxLayout;
    line->addWidget(editButton_);
    line->addStretch();
    line->addWidget(buttons);
    body_->addLayout(line);
}

void CLampRowsDlg::EditUserPatterns() {
    CLampCustomDlg editor(this, host_, userPatterns_);
    if (editor.exec() != QDialog::Accepted) {
        return;
    }
    userPatterns_ = editor.Patterns();
    for (CLampRow* row : rows_) {
        row->Recompute();
    }
}

}  // namespace morvik
