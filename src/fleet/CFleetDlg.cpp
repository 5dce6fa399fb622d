#include "fleet/CFleetDlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <set>

#include "app/AppStringIds.h"
#include "app/FileDialogs.h"
#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "cli/CliInterrupt.h"
#include "cli/CliStringIds.h"
#include "cli/FleetReport.h"
#include "fleet/CFleetTable.h"
#include "link/AdapterLookup.h"
#include "link/PortMap.h"
#include "model/Utf8Path.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr int kPollMilliseconds = 200;

enum class Operand { kNone, kFile, kFolder };

// The actions the window offers: the command-line tool's command, the label (the main window's
// menu text where it has one, with the editions it serves) and what the command takes.
struct FleetChoice {
    const char* command;
    int labelId;
    Operand operand;
    int filterId;
};

constexpr FleetChoice kChoices[] = {
    {"info", ids::kMenuReadDeviceInfo, Operand::kNone, 0},
    {"write", ids::kAppFleetWriteFile, Operand::kFile, ids::kSettingsFileFilter},
    {"clock", ids::kMenuSetClock, Operand::kNone, 0},
    {"firmware", ids::kMenuUpdateFirmware, Operand::kFile, ids::kFirmwareFileFilter},
    {"dlog get", ids::kMenuGetDetectionLog, Operand::kFolder, 0},
    {"maint", ids::kMenuSaveMaintenance, Operand::kFolder, 0},
};

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

template <typename... Args>
QString Format(int id, Args... args) {
    return Q(res::Format(res::Text(id), args...));
}

bool ToRetry(cli::FleetOutcome outcome) {
    return outcome == cli::FleetOutcome::kFailed || outcome == cli::FleetOutcome::kInterrupted;
}

}  // namespace

CFleetDlg::CFleetDlg(IWindowHost& host, QWidget* parent) : QDialog(parent), host_(host) {
    setObjectName(QStringLiteral("CFleetDlg"));
    setWindowTitle(Tr(ids::kAppFleetCaption));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    Build();
    timer_.setInterval(kPollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CFleetDlg::OnTick);
    SearchCables();
}

CFleetDlg::~CFleetDlg() {
    if (runner_) {
        // The window goes with its owner while terminals still run: they are cancelled and
        // left as a cancelled command leaves them before the window is gone.
        cli::RequestInterrupt();
        runner_->Join();
        runner_.reset();
        host_.ModalGuard(false);
    }
}

void CFleetDlg::Build() {
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    action_ = new QComboBox(this);
    action_->setObjectName(QStringLiteral("fleetAction"));
    for (const FleetChoice& choice : kChoices) {
        action_->addItem(Tr(choice.labelId).section(QLatin1Char('\t'), 0, 0));
    }
    form->addRow(Tr(ids::kAppFleetAction), action_);
    auto* pathRow = new QHBoxLayout;
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("fleetPath"));
    browse_ = new QPushButton(Tr(ids::kAppFleetBrowse), this);
    pathRow->addWidget(path_, 1);
    pathRow->addWidget(browse_);
    pathLabel_ = new QLabel(Tr(ids::kAppFleetFile), this);
    form->addRow(pathLabel_, pathRow);
    layout->addLayout(form);

    auto* group = new QGroupBox(Tr(ids::kAppFleetCables), this);
    auto* groupLayout = new QVBoxLayout(group);
    table_ = new CFleetTable(group);
    groupLayout->addWidget(table_);
    status_ = new QLabel(group);
    status_->setObjectName(QStringLiteral("fleetStatus"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    groupLayout->addWidget(status_);
    layout->addWidget(group, 1);

    auto* buttons = new QHBoxLayout;
    search_ = new QPushButton(Tr(ids::kAppFleetSearchCables), this);
    // The COM numbers as the options dialog lists them.
    portNumber_ = new QComboBox(this);
    portNumber_->setObjectName(QStringLiteral("fleetPortNumber"));
    portNumber_->setMaxVisibleItems(20);
    for (int number = kFirstComPort; number <= kLastComPort; ++number) {
        portNumber_->addItem(Format(ids::kComPortFormat, number));
    }
    addPort_ = new QPushButton(Tr(ids::kAppFleetAddPort), this);
    start_ = new QPushButton(Tr(ids::kAppFleetStart), this);
    cancel_ = new QPushButton(Tr(ids::kAppFleetCancel), this);
    rerun_ = new QPushButton(Tr(ids::kAppFleetRerunFailed), this);
    save_ = new QPushButton(Tr(ids::kAppFleetSaveReport), this);
    close_ = new QPushButton(Tr(ids::kAppFleetClose), this);
    start_->setDefault(true);
    buttons->addWidget(search_);
    buttons->addWidget(portNumber_);
    buttons->addWidget(addPort_);
    buttons->addStretch(1);
    for (QPushButton* button : {start_, cancel_, rerun_, save_, close_}) {
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(action_, &QComboBox::currentIndexChanged, this, &CFleetDlg::OnActionChanged);
    connect(browse_, &QPushButton::clicked, this, &CFleetDlg::OnBrowse);
    connect(search_, &QPushButton::clicked, this, &CFleetDlg::SearchCables);
    connect(addPort_, &QPushButton::clicked, this,
            [this] { AddPort(kFirstComPort + portNumber_->currentIndex()); });
    connect(start_, &QPushButton::clicked, this, &CFleetDlg::Start);
    connect(cancel_, &QPushButton::clicked, this, &CFleetDlg::Cancel);
    connect(rerun_, &QPushButton::clicked, this, &CFleetDlg::RerunFailed);
    connect(save_, &QPushButton::clicked, this, &CFleetDlg::OnSaveReport);
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    resize(1000, 480);
    OnActionChanged();
}

void CFleetDlg::OnActionChanged() {
    const FleetChoice& choice = kChoices[action_->currentIndex()];
    const bool takesPath = choice.operand != Operand::kNone;
    pathLabel_->setText(
        Tr(choice.operand == Operand::kFolder ? ids::kAppFleetFolder : ids::kAppFleetFile));
    path_->setEnabled(takesPath);
    browse_->setEnabled(takesPath && !Running());
    if (!takesPath) {
        path_->clear();
    }
}

void CFleetDlg::OnBrowse() {
    const FleetChoice& choice = kChoices[action_->currentIndex()];
    if (choice.operand == Operand::kFolder) {
        const QString folder =
            QFileDialog::getExistingDirectory(this, pathLabel_->text(), path_->text());
        if (!folder.isEmpty()) {
            path_->setText(folder);
        }
        return;
    }
    const ChosenFile file = ChooseFile(this, FileDialogMode::Open, choice.filterId, path_->text());
    if (file.Chosen()) {
        path_->setText(file.shown);
    }
}

void CFleetDlg::SearchCables() {
    if (Running()) {
        return;
    }
    PortMap map;
    const std::vector<AdapterCable> cables = LookupAdapterCables(map);
    results_.clear();
    table_->Clear();
    for (const AdapterCable& cable : cables) {
        table_->Add(cable);
    }
    status_->setText(cables.empty()
                         ? Tr(ids::kAppFleetNoCables)
                         : Format(ids::kAppFleetCablesFound, static_cast<int>(cables.size())));
    UpdateControls();
}

void CFleetDlg::AddPort(int port) {
    if (Running() || port < kFirstComPort || port > kLastComPort) {
        return;
    }
    if (table_->RowOf(port) >= 0) {
        table_->Tick(port);
        return;
    }
    // A port the lookup did not find (a cable it does not know, a terminal on a plain serial
    // port): no serial number to show.
    AdapterCable cable;
    cable.port = port;
    cable.device = PortMap().MappedDevice(port).value_or(std::string());
    table_->Add(cable);
    UpdateControls();
}

void CFleetDlg::Start() {
    Run(table_->TickedPorts(), false);
}

void CFleetDlg::RerunFailed() {
    std::vector<int> ports;
    for (const auto& [port, row] : results_) {
        if (ToRetry(row.outcome)) {
            ports.push_back(port);
        }
    }
    if (!ports.empty()) {
        Run(ports, true);
    }
}

void CFleetDlg::Run(const std::vector<int>& ports, bool rerun) {
    if (Running()) {
        return;
    }
    const FleetChoice& choice = kChoices[action_->currentIndex()];
    cli::FleetAction action = cli::FleetActionFor(choice.command);
    if (choice.operand != Operand::kNone) {
        const QString shown = path_->text().trimmed();
        if (shown.isEmpty()) {
            host_.ErrorBox(Tr(choice.operand == Operand::kFolder ? ids::kAppFleetChooseFolder
                                                                 : ids::kAppFleetChooseFile),
                           this);
            return;
        }
        const std::string path = LocalPath(shown);
        std::error_code error;
        if (choice.operand == Operand::kFolder &&
            !std::filesystem::is_directory(PathFromUtf8(path), error)) {
            host_.ErrorBox(Format(cli::ids::kFleetNoFolder, path.c_str()), this);
            return;
        }
        if (choice.operand == Operand::kFile &&
            !std::filesystem::is_regular_file(PathFromUtf8(path), error)) {
            host_.ErrorBox(Format(ids::kAppFleetNoFile, path.c_str()), this);
            return;
        }
        action.operands = {path};
    }
    if (ports.empty()) {
        host_.ErrorBox(Tr(ids::kAppFleetChooseTerminals), this);
        return;
    }

    // A run from 開始 starts a new list of results; a rerun replaces only its terminals'.
    const std::set<int> chosen(ports.begin(), ports.end());
    std::vector<cli::FleetRow> rows;
    for (const AdapterCable& cable : table_->Cables()) {
        if (!chosen.contains(cable.port)) {
            continue;
        }
        cli::FleetRow fleetRow;
        fleetRow.port = cable.port;
        fleetRow.cableSerial = cable.serial;
        fleetRow.action = choice.command;
        rows.push_back(fleetRow);
    }
    if (!rerun) {
        results_.clear();
        for (const AdapterCable& cable : table_->Cables()) {
            cli::FleetRow empty;
            empty.port = cable.port;
            ShowRow(empty);
        }
    }
    for (const cli::FleetRow& row : rows) {
        results_[row.port] = row;
        notes_.erase(row.port);
        ShowRow(row);
    }

    host_.ModalGuard(true);
    interrupt_ = std::make_unique<cli::InterruptGuard>();
    runner_ = std::make_unique<cli::FleetRunner>(std::move(action), cli::GlobalOptions{}, rows);
    runner_->Start();
    status_->setText(Format(ids::kAppFleetRunning, static_cast<int>(rows.size())));
    UpdateControls();
    timer_.start();
}

void CFleetDlg::Cancel() {
    if (Running()) {
        cli::RequestInterrupt();
        status_->setText(Tr(ids::kAppFleetCancelling));
        cancel_->setEnabled(false);
    }
}

void CFleetDlg::OnTick() {
    if (!runner_) {
        timer_.stop();
        return;
    }
    // What a terminal's command says under way (what it is doing, what the operator must do at
    // the terminal, as a firmware update's restart) stands in its message cell until it ends.
    for (const cli::FleetEvent& event : runner_->TakeEvents()) {
        notes_[event.port] = event.text;
    }
    const bool finished = runner_->Finished();
    for (const cli::FleetRow& row : runner_->Snapshot()) {
        results_[row.port] = row;
        ShowRow(row);
    }
    if (!finished) {
        return;
    }
    timer_.stop();
    runner_->Join();
    for (const cli::FleetRow& row : runner_->Snapshot()) {
        results_[row.port] = row;
        ShowRow(row);
    }
    runner_.reset();
    interrupt_.reset();
    host_.ModalGuard(false);
    ShowSummary();
    UpdateControls();
    emit RunFinished();
    if (closeWhenDone_) {
        close();
    }
}

void CFleetDlg::ShowRow(const cli::FleetRow& row) {
    const auto note = notes_.find(row.port);
    table_->Show(row, note == notes_.end() ? QString() : QString::fromStdString(note->second));
}

void CFleetDlg::ShowSummary() {
    int succeeded = 0;
    int skipped = 0;
    int failed = 0;
    for (const auto& [port, row] : results_) {
        succeeded += row.outcome == cli::FleetOutcome::kSucceeded ? 1 : 0;
        skipped += row.outcome == cli::FleetOutcome::kSkipped ? 1 : 0;
        failed += ToRetry(row.outcome) ? 1 : 0;
    }
    status_->setText(Format(cli::ids::kFleetSummary, static_cast<int>(results_.size()), succeeded,
                            skipped, failed));
}

void CFleetDlg::UpdateControls() {
    const bool running = Running();
    bool anyToRetry = false;
    for (const auto& [port, row] : results_) {
        anyToRetry = anyToRetry || ToRetry(row.outcome);
    }
    action_->setEnabled(!running);
    path_->setEnabled(!running && kChoices[action_->currentIndex()].operand != Operand::kNone);
    browse_->setEnabled(path_->isEnabled());
    search_->setEnabled(!running);
    portNumber_->setEnabled(!running);
    addPort_->setEnabled(!running);
    start_->setEnabled(!running && !table_->Cables().empty());
    cancel_->setEnabled(running);
    rerun_->setEnabled(!running && anyToRetry);
    save_->setEnabled(!running && !results_.empty());
    close_->setEnabled(!running);
    table_->SetTickable(!running);
}

std::vector<cli::FleetRow> CFleetDlg::Results() const {
    std::vector<cli::FleetRow> rows;
    for (const auto& [port, row] : results_) {
        rows.push_back(row);
    }
    return rows;
}

void CFleetDlg::OnSaveReport() {
    const ChosenFile file = ChooseFile(this, FileDialogMode::Save, ids::kAppFleetReportFilter);
    if (file.Chosen()) {
        SaveReport(file.shown);
    }
}

bool CFleetDlg::SaveReport(const QString& path) {
    const std::string local = LocalPath(path);
    if (cli::SaveFleetReport(local, Results())) {
        status_->setText(Format(cli::ids::kFleetReportSaved, local.c_str()));
        return true;
    }
    host_.ErrorBox(Format(cli::ids::kFleetReportSaveFailed, local.c_str()), this);
    return false;
}

void CFleetDlg::closeEvent(QCloseEvent* event) {
    if (!Running()) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeWhenDone_) {
        return;
    }
    const auto answer =
        host_.MessageBox(this, Tr(ids::kAppFleetCaption), Tr(ids::kAppFleetCancelAndClose),
                         QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, false);
    if (answer == QMessageBox::Yes) {
        // The window closes once every terminal has ended as a cancelled command ends.
        closeWhenDone_ = true;
        Cancel();
    }
}

void CFleetDlg::reject() {
    close();
}

}  // namespace morvik
