#include "app/COptionDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <string>

#include "app/CPortProgressDlg.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "link/AdapterLookup.h"
#include "link/PortMap.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

COptionDlg::COptionDlg(IWindowHost& host, int port, bool closeAfterWrite)
    : QDialog(&host.HostWindow()), host_(host), port_(Preferences::PortFromStored(port)) {
    setWindowTitle(Tr(res::ids::kOptionsCaption));

    portList_ = new QComboBox(this);
    portList_->setEditable(true);
    portList_->setInsertPolicy(QComboBox::NoInsert);
    portList_->setMaxVisibleItems(20);
    const std::string_view format = res::Text(res::ids::kComPortFormat);
    for (int number = kFirstComPort; number <= kLastComPort; ++number) {
        portList_->addItem(QString::fromStdString(res::Format(format, number)));
    }
    portList_->setCurrentIndex(port_ - 1);
    connect(portList_->lineEdit(), &QLineEdit::textChanged, this, &COptionDlg::CutPortText);

    searchButton_ = new QPushButton(Tr(res::ids::kPortSearch), this);
    searchButton_->setAutoDefault(false);
    connect(searchButton_, &QPushButton::clicked, this, &COptionDlg::SearchPorts);

    closeCheck_ = new QCheckBox(Tr(res::ids::kOptionsCloseAfterWrite), this);
    closeCheck_->setChecked(closeAfterWrite);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Tr(res::ids::kButtonOk), QDialogButtonBox::AcceptRole);
    buttons->addButton(Tr(res::ids::kButtonClose), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptionDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptionDlg::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(Tr(res::ids::kOptionsComPortLabel), this), 0, 0);
    layout->addWidget(portList_, 0, 1);
    layout->addWidget(searchButton_, 0, 2);
    layout->addWidget(closeCheck_, 1, 0, 1, 3);
    layout->addWidget(buttons, 2, 0, 1, 3);

    // Ctrl+A selects the whole text of the control that has the focus.
    auto* selectAll = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_A), this);
    connect(selectAll, &QShortcut::activated, this, &COptionDlg::SelectAll);
}

bool COptionDlg::CloseAfterWrite() const {
    return closeCheck_->isChecked();
}

void COptionDlg::CutPortText(const QString& text) {
    if (text.size() <= kMaxPortTextLength) {
        return;
    }
    QLineEdit* edit = portList_->lineEdit();
    edit->setText(text.left(kMaxPortTextLength));
    edit->setCursorPosition(kMaxPortTextLength);
}

void COptionDlg::SelectAll() {
    QWidget* focus = focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focus); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    } else if (auto* edit = qobject_cast<QLineEdit*>(focus)) {
        edit->selectAll();
    }
}

void COptionDlg::accept() {
    // Case-insensitive, as the list compares: "com7" names COM7; "5" or "COM0" name nothing.
    const int index = portList_->findText(portList_->currentText(), Qt::MatchFixedString);
    if (index < 0) {
        host_.ErrorBox(Tr(res::ids::kPortNumberInvalid), &host_.HostWindow(), false);
        return;
    }
    port_ = index + 1;
    QDialog::accept();
}

void COptionDlg::FoundPort(int port) {
    portList_->setCurrentIndex(port - 1);
    port_ = port;
    // The port found is used at once, also when the dialog is then cancelled.
    host_.Terminal().SetDevicePath(std::string());
    host_.Terminal().SetPortNumber(port);
    host_.MessageBox(
        this, Tr(res::ids::kPortSearchDoneCaption),
        QString::fromStdString(res::Format(res::Text(res::ids::kPortSearchDone), port)),
        QMessageBox::Information, QMessageBox::Ok, false);
}

void COptionDlg::SearchPorts() {
    if (const std::optional<int> adapter = LookupAdapterPort()) {
        FoundPort(*adapter);
        return;
    }
    CPortProgressDlg search(host_, this);
    search.exec();
    if (search.Cancelled()) {
        return;
    }
    if (!search.Found()) {
        host_.ErrorBox(Tr(res::ids::kTerminalNotFound), this, false);
        return;
    }
    FoundPort(search.FoundPort());
}

}  // namespace morvik
