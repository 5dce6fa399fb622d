#pragma once
// A bar chart of counts: one column per label (a day, an hour), each a stack of the series'
// counts, with a count axis, the series' legend and labels thinned out to what fits below the
// columns.

#include <QColor>
#include <QString>
#include <vector>

#include "charts/CChartFrame.h"

namespace morvik {

struct BarSeries {
    QString name;
    QColor color;
};

struct BarColumn {
    QString label;
    QColor labelColor = Qt::black;
    std::vector<std::int64_t> counts;  // one per series, stacked from the first
};

class CBarChart : public CChartFrame {
    Q_OBJECT

  public:
    // unit: written after the last column label ("時"); countUnit above the count axis ("件").
    CBarChart(const QString& title, const QString& unit, const QString& countUnit,
              QWidget* parent = nullptr);

    void SetSeries(std::vector<BarSeries> series);
    void SetColumns(std::vector<BarColumn> columns);
    // Shown instead of the bars when every count is 0.
    void SetEmptyText(const QString& text) { emptyText_ = text; }
    const std::vector<BarColumn>& Columns() const { return columns_; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void PaintBody(QPainter& painter, const QRect& area) const override;

  private:
    int PaintLegend(QPainter& painter, const QRect& area) const;

    QString unit_;
    QString countUnit_;
    QString emptyText_;
    std::vector<BarSeries> series_;
    std::vector<BarColumn> columns_;
};

// The step of the count axis: 1, 2 or 5 times a power of ten, so that about four steps reach
// top.
std::int64_t AxisStep(std::int64_t top);

}  // namespace morvik
