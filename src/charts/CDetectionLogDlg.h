#pragma once
// The detection log window: a detection log CSV that the tool wrote, as charts. A line of totals
// (records, first and last time, success rate) stands above touches per day and per hour of the
// day (stacked by outcome), the shares of results, FeliCa kinds and sets. The operator can narrow
// the period to some days, and save any chart as a PNG image.
//
// It needs only the file, a parent and a way to show an error box; it reads and sums up through
// the core (files/DetectionLogCsvReader, model/DetectionLogSummary) and shows what they decide.

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "model/DetectionLogSummary.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace morvik {

class CBarChart;
class CChartFrame;
class CShareChart;

class CDetectionLogDlg : public QDialog {
    Q_OBJECT

  public:
    using ErrorBox = std::function<void(const QString& text, QWidget* owner)>;
    enum class Chart { kPerDay, kPerHour, kResults, kKinds, kSets };
    static constexpr std::size_t kCharts = 5;

    // Reads the detection log at path and shows it in a new window that deletes itself when
    // closed; a file that is not a detection log the tool wrote gets its message through
    // errorBox, and no window (nullptr).
    static CDetectionLogDlg* Open(const QString& path, QWidget* parent, ErrorBox errorBox);

    QString TotalsText() const;
    CChartFrame* ChartWidget(Chart chart) const { return charts_[static_cast<std::size_t>(chart)]; }
    QDateEdit* FromEdit() const { return from_; }
    QDateEdit* ToEdit() const { return to_; }
    // Narrows the charts to the days from to to; the whole log again when they are its first
    // and last day.
    void SetPeriod(const QDate& from, const QDate& to);
    // The chart as a PNG image at path, put in place only when complete; false when it cannot
    // be written (what was there stays).
    bool SaveChart(Chart chart, const QString& path) const;

  private:
    CDetectionLogDlg(const QString& path, std::vector<DetectionLogRecord> records, QWidget* parent,
                     ErrorBox errorBox);
    void BuildWindow();
    void OnPeriodEdited();
    void Refresh();
    void ShowPerDay(const DetectionLogSummary& summary);
    void ShowPerHour(const DetectionLogSummary& summary);
    void ShowShares(const DetectionLogSummary& summary);
    void AskAndSave(Chart chart);

    QString path_;
    std::vector<DetectionLogRecord> records_;
    std::optional<DetectionLogPeriod> days_;  // of the whole log
    ErrorBox errorBox_;
    QLabel* totals_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QPushButton* whole_ = nullptr;
    CBarChart* perDay_ = nullptr;
    CBarChart* perHour_ = nullptr;
    CShareChart* results_ = nullptr;
    CShareChart* kinds_ = nullptr;
    CShareChart* sets_ = nullptr;
    std::array<CChartFrame*, kCharts> charts_{};
};

}  // namespace morvik
