#pragma once
// Shares of a whole as horizontal bars, one row per value: its label, a bar as long as its
// count against the largest, and the count with its share of the total.

#include <QColor>
#include <QString>
#include <vector>

#include "charts/CChartFrame.h"

namespace morvik {

struct ShareRow {
    QString label;
    std::int64_t count = 0;
    QColor color;
};

class CShareChart : public CChartFrame {
    Q_OBJECT

  public:
    explicit CShareChart(const QString& title, QWidget* parent = nullptr);

    void SetRows(std::vector<ShareRow> rows);
    void SetEmptyText(const QString& text) { emptyText_ = text; }
    const std::vector<ShareRow>& Rows() const { return rows_; }
    // "1,234件 (45.6%)": what a row says beside its bar.
    QString ValueText(const ShareRow& row) const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void PaintBody(QPainter& painter, const QRect& area) const override;

  private:
    int RowHeight() const;

    QString emptyText_;
    std::vector<ShareRow> rows_;
    std::int64_t total_ = 0;
};

}  // namespace morvik
