#pragma once
// The terminals' table of the 一括設定 window: a row per port (its COM number with the tick that
// chooses it, the cable's USB serial number) and, once a run has reached it, what the fleet
// runner says of its terminal: edition, terminal ID, step, a progress bar, the outcome (tinted)
// and the message, with the time it took.

#include <QString>
#include <QTableWidget>
#include <vector>

#include "cli/FleetRun.h"
#include "link/AdapterLookup.h"

namespace morvik {

class CFleetTable : public QTableWidget {
    Q_OBJECT

  public:
    enum Column {
        kPort,
        kCable,
        kEdition,
        kTerminalId,
        kStep,
        kProgress,
        kResult,
        kMessage,
        kSeconds,
        kColumns
    };

    explicit CFleetTable(QWidget* parent);

    // Removes every row.
    void Clear();
    // A ticked row for the cable's port.
    void Add(const AdapterCable& cable);
    const std::vector<AdapterCable>& Cables() const { return cables_; }
    // The row of the port; -1 when it has none.
    int RowOf(int port) const;
    void Tick(int port);
    std::vector<int> TickedPorts() const;
    // While a run goes the ticks are the run's and cannot be changed.
    void SetTickable(bool tickable);

    // Shows a terminal's state. note: what its command said last, shown as the message while it
    // runs. A row of no action (empty) clears what an earlier run showed.
    void Show(const cli::FleetRow& row, const QString& note);

  private:
    std::vector<AdapterCable> cables_;
};

}  // namespace morvik
