#include "charts/CBarChart.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "files/DetectionLogSummaryText.h"

namespace morvik {
namespace {

constexpr int kGap = 6;
constexpr int kLegendBox = 10;
constexpr double kBarShare = 0.7;  // of a column's slot; the rest is the space between bars
constexpr int kAxisSteps = 4;

std::int64_t Sum(const BarColumn& column) {
    return std::accumulate(column.counts.begin(), column.counts.end(), std::int64_t{0});
}

}  // namespace

std::int64_t AxisStep(std::int64_t top) {
    std::int64_t magnitude = 1;
    while (magnitude * 10 <= top / kAxisSteps) {
        magnitude *= 10;
    }
    for (std::int64_t factor : {1, 2, 5, 10}) {
        if (magnitude * factor * kAxisSteps >= top) {
            return magnitude * factor;
        }
    }
    return magnitude * 10;
}

CBarChart::CBarChart(const QString& title, const QString& unit, const QString& countUnit,
                     QWidget* parent)
    : CChartFrame(title, parent), unit_(unit), countUnit_(countUnit) {}

void CBarChart::SetSeries(std::vector<BarSeries> series) {
    series_ = std::move(series);
    update();
}

void CBarChart::SetColumns(std::vector<BarColumn> columns) {
    columns_ = std::move(columns);
    update();
}

QSize CBarChart::minimumSizeHint() const {
    return {260, TitleHeight() + 6 * fontMetrics().height()};
}

QSize CBarChart::sizeHint() const {
    return {480, TitleHeight() + 13 * fontMetrics().height()};
}

int CBarChart::PaintLegend(QPainter& painter, const QRect& area) const {
    // Only the series that occur (a log without internal errors needs no key for them), in
    // lines right-aligned over the plot; an item that does not fit starts the next line.
    const QFontMetrics fm = painter.fontMetrics();
    std::vector<std::vector<std::size_t>> lines(1);
    int used = 0;
    const auto itemWidth = [&](std::size_t s) {
        return kLegendBox + 4 + fm.horizontalAdvance(series_[s].name);
    };
    for (std::size_t s = 0; s < series_.size(); ++s) {
        const bool occurs = std::any_of(columns_.begin(), columns_.end(), [&](const BarColumn& c) {
            return s < c.counts.size() && c.counts[s] > 0;
        });
        if (!occurs) {
            continue;
        }
        const int width = itemWidth(s) + (lines.back().empty() ? 0 : 2 * kGap);
        if (!lines.back().empty() && used + width > area.width()) {
            lines.emplace_back();
            used = 0;
        }
        used += itemWidth(s) + (lines.back().empty() ? 0 : 2 * kGap);
        lines.back().push_back(s);
    }
    int y = area.top();
    for (const auto& line : lines) {
        int x = area.right() + 1;
        for (auto s = line.rbegin(); s != line.rend(); ++s) {
            const int textWidth = fm.horizontalAdvance(series_[*s].name);
            x -= textWidth;
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, y, textWidth, fm.height()),
                             Qt::AlignVCenter | Qt::TextDontClip, series_[*s].name);
            x -= kLegendBox + 4;
            painter.fillRect(QRect(x, y + (fm.height() - kLegendBox) / 2, kLegendBox, kLegendBox),
                             series_[*s].color);
            x -= kGap * 2;
        }
        y += fm.height();
    }
    return y - area.top() + kGap;
}

void CBarChart::PaintBody(QPainter& painter, const QRect& area) const {
    std::int64_t top = 0;
    for (const BarColumn& column : columns_) {
        top = std::max(top, Sum(column));
    }
    if (top == 0) {
        PaintEmpty(painter, area, emptyText_);
        return;
    }
    const QFontMetrics fm = painter.fontMetrics();
    const std::int64_t step = AxisStep(top);
    const std::int64_t axisTop = (top + step - 1) / step * step;
    const int countWidth =
        std::max(fm.horizontalAdvance(QString::fromStdString(GroupedNumber(axisTop))),
                 fm.horizontalAdvance(countUnit_));
    // The legend keeps clear of the count axis, whose unit stands beside its last line.
    const int legendHeight = PaintLegend(painter, area.adjusted(countWidth + kGap * 2, 0, 0, 0));
    const int unitWidth = unit_.isEmpty() ? 0 : fm.horizontalAdvance(unit_) + 2;
    const QRect plot(area.left() + countWidth + kGap, area.top() + legendHeight + fm.height() / 2,
                     area.width() - countWidth - kGap - unitWidth,
                     area.height() - legendHeight - fm.height() / 2 - fm.height() - 4);
    if (plot.width() < 10 || plot.height() < 10) {
        return;
    }
    const auto yOf = [&](std::int64_t count) {
        return plot.bottom() - static_cast<int>(static_cast<double>(count) * plot.height() /
                                                static_cast<double>(axisTop));
    };

    // Count axis: grid lines and their counts, the unit above.
    painter.setPen(Qt::black);
    painter.drawText(
        QRect(area.left(), area.top() + legendHeight - kGap - fm.height(), countWidth, fm.height()),
        Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip, countUnit_);
    for (std::int64_t count = 0; count <= axisTop; count += step) {
        const int y = yOf(count);
        painter.setPen(count == 0 ? QColor(0x60, 0x60, 0x60) : QColor(0xE4, 0xE4, 0xE4));
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        painter.drawText(QRect(area.left(), y - fm.height() / 2, countWidth, fm.height()),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::fromStdString(GroupedNumber(count)));
    }

    // The columns, and as many labels as fit side by side.
    const double slot = static_cast<double>(plot.width()) / static_cast<double>(columns_.size());
    const int barWidth = std::max(1, static_cast<int>(slot * kBarShare));
    int widest = 0;
    for (const BarColumn& column : columns_) {
        widest = std::max(widest, fm.horizontalAdvance(column.label));
    }
    const auto every = static_cast<std::size_t>(std::max(1.0, std::ceil((widest + kGap) / slot)));
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const BarColumn& column = columns_[i];
        const int center = plot.left() + static_cast<int>(slot * (static_cast<double>(i) + 0.5));
        std::int64_t below = 0;
        for (std::size_t s = 0; s < column.counts.size() && s < series_.size(); ++s) {
            if (column.counts[s] <= 0) {
                continue;
            }
            const int y0 = yOf(below);
            below += column.counts[s];
            const int y1 = yOf(below);
            painter.fillRect(QRect(center - barWidth / 2, y1, barWidth, std::max(1, y0 - y1)),
                             series_[s].color);
        }
        if (i % every == 0) {
            painter.setPen(column.labelColor);
            painter.drawText(QRect(center - widest, plot.bottom() + 3, widest * 2, fm.height()),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, column.label);
        }
    }
    if (!unit_.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(QRect(plot.right() + 2, plot.bottom() + 3, unitWidth, fm.height()),
                         Qt::AlignLeft | Qt::AlignTop, unit_);
    }
}

}  // namespace morvik
