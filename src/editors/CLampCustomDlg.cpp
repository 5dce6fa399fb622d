#include "editors/CLampCustomDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppStringIds.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "model/LampPattern.h"
#include "res/StringIds.h"

namespace morvik {

UserLampPatterns LoadUserLampPatterns(IWindowHost& host) {
    UserLampPatterns patterns;
    for (int i = 0; i < Preferences::kUserLampCount; ++i) {
        // A hand-edited file can hold anything; a pattern the editor would refuse is not offered.
        std::string pattern = host.Prefs().ReadUserLamp(i + 1);
        if (IsValidUserLampPattern(pattern)) {
            patterns[static_cast<std::size_t>(i)] = std::move(pattern);
        }
    }
    return patterns;
}

CLampCustomDlg::CLampCustomDlg(QWidget* parent, IWindowHost& host, const UserLampPatterns& patterns)
    : QDialog(parent), host_(host), patterns_(patterns) {
    setWindowTitle(Tr(res::ids::kUserLampCaption));
    auto* form = new QFormLayout;
    const int labels[] = {res::ids::kUserLampPattern1, res::ids::kUserLampPattern2,
                          res::ids::kUserLampPattern3};
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = new QLineEdit(FromCp932(patterns_[i]), this);
        fields_[i]->setMaxLength(static_cast<int>(kUserLampPatternMaxLength));
        fields_[i]->setMinimumWidth(fields_[i]->fontMetrics().horizontalAdvance(QString(23, '8')));
        form->addRow(Tr(labels[i]), fields_[i]);
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(res::ids::kButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(res::ids::kButtonCancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLampCustomDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLampCustomDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(Tr(res::ids::kAppUserLampHelp), this));
    layout->addWidget(new QLabel(Tr(res::ids::kAppUserLampExample), this));
    layout->addWidget(buttons);
}

void CLampCustomDlg::accept() {
    UserLampPatterns entered;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        entered[i] = ToCp932(fields_[i]->text());
        if (!IsValidUserLampPattern(entered[i])) {
            host_.MessageBox(this, Tr(res::ids::kErrorCaption), Tr(res::ids::kUserPatternInvalid),
                             QMessageBox::Warning, QMessageBox::Ok, true);
            return;
        }
    }
    // A preferences file that cannot be written loses the patterns for the next run only: the
    // open dialogs still take them.
    for (std::size_t i = 0; i < entered.size(); ++i) {
        host_.Prefs().WriteUserLamp(static_cast<int>(i) + 1, entered[i]);
    }
    patterns_ = entered;
    QDialog::accept();
}

}  // namespace morvik
