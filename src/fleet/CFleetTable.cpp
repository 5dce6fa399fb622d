#include "fleet/CFleetTable.h"

#include <QHeaderView>
#include <QProgressBar>
#include <algorithm>

#include "app/AppStringIds.h"
#include "app/QtText.h"
#include "cli/CliStringIds.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString EditionText(const std::string& edition) {
    if (edition == "Mini") {
        return Tr(ids::kAppFleetEditionMini);
    }
    if (edition == "MiniS") {
        return Tr(ids::kAppFleetEditionMiniS);
    }
    if (edition == "MiniSx") {
        return Tr(ids::kAppFleetEditionMiniSx);
    }
    if (edition == "Slim") {
        return Tr(ids::kAppFleetEditionSlim);
    }
    return Q(edition);
}

// The result cell's tint, so that a long list shows at a glance where to look.
QColor OutcomeColor(cli::FleetOutcome outcome) {
    switch (outcome) {
        case cli::FleetOutcome::kSucceeded:
            return QColor(0xd8, 0xf0, 0xd8);
        case cli::FleetOutcome::kSkipped:
            return QColor(0xe8, 0xe8, 0xe8);
        case cli::FleetOutcome::kFailed:
        case cli::FleetOutcome::kInterrupted:
            return QColor(0xf8, 0xd0, 0xd0);
        default:
            return QColor();
    }
}

}  // namespace

CFleetTable::CFleetTable(QWidget* parent) : QTableWidget(0, kColumns, parent) {
    setObjectName(QStringLiteral("fleetTable"));
    const int headers[kColumns] = {cli::ids::kFleetColumnPort,    ids::kAppFleetColumnCable,
                                   cli::ids::kFleetColumnEdition, cli::ids::kFleetColumnTerminalId,
                                   cli::ids::kFleetColumnStep,    cli::ids::kFleetColumnProgress,
                                   cli::ids::kFleetColumnResult,  ids::kAppFleetColumnMessage,
                                   cli::ids::kFleetColumnSeconds};
    QStringList labels;
    for (int id : headers) {
        labels << Tr(id);
    }
    setHorizontalHeaderLabels(labels);
    verticalHeader()->hide();
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    horizontalHeader()->setSectionResizeMode(kMessage, QHeaderView::Stretch);
    const std::pair<Column, int> widths[] = {{kPort, 80},       {kCable, 80},  {kEdition, 85},
                                             {kTerminalId, 95}, {kStep, 130},  {kProgress, 90},
                                             {kResult, 60},     {kSeconds, 45}};
    for (const auto& [column, width] : widths) {
        setColumnWidth(column, width);
    }
}

void CFleetTable::Clear() {
    cables_.clear();
    setRowCount(0);
}

void CFleetTable::Add(const AdapterCable& cable) {
    const int row = rowCount();
    cables_.push_back(cable);
    setRowCount(row + 1);
    auto* port = new QTableWidgetItem(Q(res::Format(res::Text(ids::kComPortFormat), cable.port)));
    port->setCheckState(Qt::Checked);
    port->setToolTip(Q(cable.device));
    setItem(row, kPort, port);
    setItem(row, kCable, new QTableWidgetItem(Q(cable.serial)));
    for (int column = kEdition; column < kColumns; ++column) {
        setItem(row, column, new QTableWidgetItem);
    }
}

int CFleetTable::RowOf(int port) const {
    for (int row = 0; row < static_cast<int>(cables_.size()); ++row) {
        if (cables_[static_cast<size_t>(row)].port == port) {
            return row;
        }
    }
    return -1;
}

void CFleetTable::Tick(int port) {
    if (const int row = RowOf(port); row >= 0) {
        item(row, kPort)->setCheckState(Qt::Checked);
    }
}

std::vector<int> CFleetTable::TickedPorts() const {
    std::vector<int> ports;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row, kPort)->checkState() == Qt::Checked) {
            ports.push_back(cables_[static_cast<size_t>(row)].port);
        }
    }
    return ports;
}

void CFleetTable::SetTickable(bool tickable) {
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem* port = item(row, kPort);
        port->setFlags(tickable ? port->flags() | Qt::ItemIsUserCheckable
                                : port->flags() & ~Qt::ItemIsUserCheckable);
    }
}

void CFleetTable::Show(const cli::FleetRow& row, const QString& note) {
    const int index = RowOf(row.port);
    if (index < 0) {
        return;
    }
    const bool ended =
        row.outcome != cli::FleetOutcome::kWaiting && row.outcome != cli::FleetOutcome::kRunning;
    const bool known = !row.action.empty();
    item(index, kEdition)->setText(EditionText(row.edition));
    item(index, kTerminalId)->setText(Q(row.terminalId));
    item(index, kStep)->setText(Q(row.step));
    item(index, kResult)->setText(known ? Q(cli::FleetOutcomeText(row.outcome)) : QString());
    item(index, kResult)->setBackground(OutcomeColor(row.outcome));
    const QString message = ended || note.isEmpty() ? Q(row.message) : note;
    item(index, kMessage)->setText(message);
    item(index, kMessage)->setToolTip(message);
    item(index, kSeconds)->setText(ended ? QString::number(row.seconds, 'f', 1) : QString());

    // The bar is there while the command shows one and after it ended, where it stopped; a
    // terminal that was skipped was not changed, and gets none rather than one at 0 %. (A table
    // shows its cell widgets itself, so the bar is taken away rather than hidden.)
    const bool wanted =
        known && (row.percent >= 0 || ended) && row.outcome != cli::FleetOutcome::kSkipped;
    auto* bar = static_cast<QProgressBar*>(cellWidget(index, kProgress));
    if (!wanted) {
        removeCellWidget(index, kProgress);
        return;
    }
    if (bar == nullptr) {
        bar = new QProgressBar(this);
        bar->setRange(0, 100);
        bar->setValue(0);
        setCellWidget(index, kProgress, bar);
    }
    if (!ended) {
        bar->setValue(std::max(row.percent, 0));
    } else if (row.outcome == cli::FleetOutcome::kSucceeded) {
        bar->setValue(100);
    }
}

}  // namespace morvik
