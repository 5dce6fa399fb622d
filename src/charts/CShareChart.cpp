#include "charts/CShareChart.h"

#include <QPainter>
#include <algorithm>

#include "app/QtText.h"
#include "files/DetectionLogSummaryText.h"
#include "res/DetectionLogViewIds.h"

namespace morvik {
namespace {

constexpr int kGap = 8;
constexpr int kRowSpacing = 6;
// The label column takes what its longest label needs, up to this share of the width.
constexpr double kLabelShare = 0.6;

}  // namespace

CShareChart::CShareChart(const QString& title, QWidget* parent) : CChartFrame(title, parent) {}

void CShareChart::SetRows(std::vector<ShareRow> rows) {
    rows_ = std::move(rows);
    total_ = 0;
    for (const ShareRow& row : rows_) {
        total_ += row.count;
    }
    updateGeometry();
    update();
}

QString CShareChart::ValueText(const ShareRow& row) const {
    const double share =
        total_ > 0 ? static_cast<double>(row.count) / static_cast<double>(total_) : 0;
    return QString::fromStdString(GroupedNumber(row.count)) + Tr(res::ids::kDlogViewCountUnit) +
           QStringLiteral(" (%1%)").arg(QString::fromStdString(PercentText(share)));
}

int CShareChart::RowHeight() const {
    return fontMetrics().height() + kRowSpacing;
}

QSize CShareChart::minimumSizeHint() const {
    const int rows = std::max<int>(2, static_cast<int>(rows_.size()));
    return {220, TitleHeight() + rows * fontMetrics().height() + kGap * 2};
}

QSize CShareChart::sizeHint() const {
    const int rows = std::max<int>(2, static_cast<int>(rows_.size()));
    return {320, TitleHeight() + rows * RowHeight() + kGap * 2};
}

void CShareChart::PaintBody(QPainter& painter, const QRect& area) const {
    std::int64_t largest = 0;
    for (const ShareRow& row : rows_) {
        largest = std::max(largest, row.count);
    }
    if (largest == 0) {
        PaintEmpty(painter, area, emptyText_);
        return;
    }
    const QFontMetrics fm = painter.fontMetrics();
    int labelWidth = 0;
    int valueWidth = 0;
    for (const ShareRow& row : rows_) {
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(row.label));
        valueWidth = std::max(valueWidth, fm.horizontalAdvance(ValueText(row)));
    }
    labelWidth = std::min(labelWidth, static_cast<int>(area.width() * kLabelShare));
    const int barSpace = area.width() - labelWidth - valueWidth - 2 * kGap;
    const int rowHeight = std::max(
        fm.height(), std::min(RowHeight(), area.height() / static_cast<int>(rows_.size())));
    int y = area.top();
    for (const ShareRow& row : rows_) {
        if (y + fm.height() > area.bottom() + 1) {
            break;  // a window made too small shows the first rows
        }
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.left(), y, labelWidth, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         fm.elidedText(row.label, Qt::ElideRight, labelWidth));
        const int barLeft = area.left() + labelWidth + kGap;
        const int barLength =
            barSpace > 0
                ? std::max(row.count > 0 ? 1 : 0, static_cast<int>(static_cast<double>(barSpace) *
                                                                   static_cast<double>(row.count) /
                                                                   static_cast<double>(largest)))
                : 0;
        const int barHeight = std::max(4, rowHeight - kRowSpacing - 2);
        painter.fillRect(QRect(barLeft, y + (rowHeight - barHeight) / 2, barLength, barHeight),
                         row.color);
        painter.setPen(QColor(0x30, 0x30, 0x30));
        painter.drawText(QRect(barLeft + barLength + kGap / 2, y, valueWidth + kGap, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, ValueText(row));
        y += rowHeight;
    }
}

}  // namespace morvik
