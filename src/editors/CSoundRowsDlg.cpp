#include "editors/CSoundRowsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QtText.h"
#include "editors/CSoundRow.h"
#include "editors/SoundOkBoxes.h"
#include "res/StringIds.h"

namespace morvik {

CSoundRowsDlg::CSoundRowsDlg(QWidget* parent, IWindowHost& host, std::size_t slotCount,
                             int explanationId, bool registerSounds)
    : QDialog(parent),
      host_(host),
      rows_(slotCount, nullptr),
      body_(new QVBoxLayout(this)),
      register_(new QCheckBox(Tr(res::ids::kRegisterSounds), this)),
      standard_(new QPushButton(Tr(res::ids::kSetStandardSounds), this)) {
    setWindowTitle(Tr(res::ids::kSound));
    body_->addWidget(new QLabel(Tr(explanationId).remove(QLatin1Char('\r')), this));
    register_->setChecked(registerSounds);
    standard_->setAutoDefault(false);
    connect(standard_, &QPushButton::clicked, this, &CSoundRowsDlg::SetStandardSounds);
}

void CSoundRowsDlg::FinishLayout() {
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(res::ids::kButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(res::ids::kButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSoundRowsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSoundRowsDlg::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(standard_);
    bottom->addWidget(register_);
    bottom->addStretch();
    bottom->addWidget(buttons);
    body_->addLayout(bottom);
}

std::vector<std::string> CSoundRowsDlg::PathList() const {
    std::vector<std::string> paths;
    paths.reserve(rows_.size());
    for (const CSoundRow* row : rows_) {
        paths.push_back(ToCp932(row->Path()));
    }
    return paths;
}

bool CSoundRowsDlg::RegisterSounds() const {
    return register_->isChecked();
}

void CSoundRowsDlg::SetStandardSounds() {
    const std::vector<std::string> standard = StandardPaths();
    for (std::size_t slot = 0; slot < standard.size() && slot < rows_.size(); ++slot) {
        rows_[slot]->SetPath(FromCp932(standard[slot]));
    }
}

void CSoundRowsDlg::accept() {
    if (ConfirmSoundOk(host_, this, PathList(), RegisterSounds())) {
        QDialog::accept();
    }
}

}  // namespace morvik
