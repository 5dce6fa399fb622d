#include "charts/CDetectionLogDlg.h"

#include <QBuffer>
#include <QDateEdit>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "app/QtText.h"
#include "charts/CBarChart.h"
#include "charts/CShareChart.h"
#include "files/DetectionLogCsvReader.h"
#include "files/DetectionLogSummaryText.h"
#include "link/PartialFile.h"
#include "res/DetectionLogViewIds.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// QDate's Julian day of 1970-01-01, where the summary counts its days from.
constexpr qint64 kJulianEpoch = 2440588;

QDate ToDate(std::int32_t day) {
    return QDate::fromJulianDay(kJulianEpoch + day);
}

std::int32_t ToDay(const QDate& date) {
    return static_cast<std::int32_t>(date.toJulianDay() - kJulianEpoch);
}

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The colours of the outcomes, in DetectionOutcome's order: success green, card blue, failure
// orange, internal error red, anything else grey.
const std::array<QColor, kDetectionOutcomeCount> kOutcomeColors = {
    QColor(0x3F, 0x9F, 0x5F), QColor(0x4A, 0x7F, 0xC1), QColor(0xE3, 0x9B, 0x2D),
    QColor(0xC8, 0x42, 0x3B), QColor(0x9A, 0x9A, 0x9A)};
const QColor kKindColor(0x3C, 0x8D, 0xAD);
const std::array<QColor, 4> kSetColors = {QColor(0x3C, 0x8D, 0xAD), QColor(0x8E, 0x6B, 0xBF),
                                          QColor(0x9A, 0x9A, 0x9A), QColor(0x9A, 0x9A, 0x9A)};
// Japanese calendars show Saturdays in blue and Sundays in red.
const QColor kSaturday(0x1F, 0x4F, 0xBF);
const QColor kSunday(0xC0, 0x39, 0x2B);

std::vector<std::int64_t> Stack(const DetectionOutcomeCounts& counts) {
    return {counts.begin(), counts.end()};
}

}  // namespace

CDetectionLogDlg* CDetectionLogDlg::Open(const QString& path, QWidget* parent, ErrorBox errorBox) {
    DetectionLogCsvContent content = ReadDetectionLogCsv(LocalPath(path));
    if (content.error) {
        errorBox(Q(DetectionLogCsvErrorText(*content.error)), parent);
        return nullptr;
    }
    auto* window =
        new CDetectionLogDlg(path, std::move(content.records), parent, std::move(errorBox));
    window->setAttribute(Qt::WA_DeleteOnClose);
    return window;
}

CDetectionLogDlg::CDetectionLogDlg(const QString& path, std::vector<DetectionLogRecord> records,
                                   QWidget* parent, ErrorBox errorBox)
    : QDialog(parent),
      path_(path),
      records_(std::move(records)),
      days_(DetectionLogDays(records_)),
      errorBox_(std::move(errorBox)) {
    BuildWindow();
    Refresh();
}

void CDetectionLogDlg::BuildWindow() {
    setWindowTitle(Q(res::Format(res::Text(ids::kDlogViewCaption),
                                 QFileInfo(path_).fileName().toUtf8().constData())));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);

    totals_ = new QLabel(this);
    QFont bold = totals_->font();
    bold.setBold(true);
    totals_->setFont(bold);
    totals_->setTextFormat(Qt::PlainText);
    totals_->setWordWrap(true);
    totals_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    from_ = new QDateEdit(this);
    to_ = new QDateEdit(this);
    for (QDateEdit* edit : {from_, to_}) {
        edit->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        edit->setCalendarPopup(true);
        if (days_) {
            edit->setDateRange(ToDate(days_->firstDay), ToDate(days_->lastDay));
        }
        edit->setEnabled(days_.has_value());
    }
    if (days_) {
        from_->setDate(ToDate(days_->firstDay));
        to_->setDate(ToDate(days_->lastDay));
    }
    whole_ = new QPushButton(Tr(ids::kDlogViewWholePeriod), this);
    whole_->setEnabled(days_.has_value());
    connect(from_, &QDateEdit::dateChanged, this, &CDetectionLogDlg::OnPeriodEdited);
    connect(to_, &QDateEdit::dateChanged, this, &CDetectionLogDlg::OnPeriodEdited);
    connect(whole_, &QPushButton::clicked, this,
            [this] { SetPeriod(from_->minimumDate(), to_->maximumDate()); });

    perDay_ = new CBarChart(Tr(ids::kDlogViewPerDay), QString(), Tr(ids::kDlogViewCountUnit), this);
    perHour_ = new CBarChart(Tr(ids::kDlogViewPerHour), Tr(ids::kDlogViewHourUnit),
                             Tr(ids::kDlogViewCountUnit), this);
    results_ = new CShareChart(Tr(ids::kDlogViewResults), this);
    kinds_ = new CShareChart(Tr(ids::kDlogViewKinds), this);
    sets_ = new CShareChart(Tr(ids::kDlogViewSets), this);
    charts_ = {perDay_, perHour_, results_, kinds_, sets_};
    std::vector<BarSeries> outcomes;
    for (std::size_t o = 0; o < kDetectionOutcomeCount; ++o) {
        outcomes.push_back(
            {Q(DetectionLogOutcomeLabel(static_cast<DetectionOutcome>(o))), kOutcomeColors[o]});
    }
    for (CBarChart* chart : {perDay_, perHour_}) {
        chart->SetSeries(outcomes);
    }
    for (std::size_t c = 0; c < kCharts; ++c) {
        CChartFrame* chart = charts_[c];
        if (auto* bars = qobject_cast<CBarChart*>(chart)) {
            bars->SetEmptyText(Tr(ids::kDlogViewNoRecords));
        } else if (auto* shares = qobject_cast<CShareChart*>(chart)) {
            shares->SetEmptyText(Tr(ids::kDlogViewNoRecords));
        }
        connect(chart, &CChartFrame::SaveRequested, this,
                [this, c] { AskAndSave(static_cast<Chart>(c)); });
    }

    auto* period = new QHBoxLayout;
    period->addWidget(new QLabel(Tr(ids::kDlogViewPeriodLabel), this));
    period->addWidget(from_);
    period->addWidget(new QLabel(Tr(ids::kDlogViewPeriodTo), this));
    period->addWidget(to_);
    period->addWidget(whole_);
    period->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(perDay_, 3);
    top->addWidget(perHour_, 2);
    // The kinds have the longest labels and the most rows; results and sets share a column.
    auto* fewRows = new QVBoxLayout;
    fewRows->addWidget(results_, 3);
    fewRows->addWidget(sets_, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(fewRows, 2);
    bottom->addWidget(kinds_, 3);

    auto* close = new QPushButton(Tr(ids::kButtonClose), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(totals_);
    layout->addLayout(period);
    layout->addLayout(top, 1);
    layout->addLayout(bottom, 1);
    layout->addLayout(buttons);

    QSize size(1000, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableSize());
    }
    resize(size);
}

QString CDetectionLogDlg::TotalsText() const {
    return totals_->text();
}

void CDetectionLogDlg::SetPeriod(const QDate& from, const QDate& to) {
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->setDate(from);
    to_->setDate(std::max(from_->date(), to));
    Refresh();
}

void CDetectionLogDlg::OnPeriodEdited() {
    // The other end follows an end moved past it.
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    if (sender() == from_ && to_->date() < from_->date()) {
        to_->setDate(from_->date());
    } else if (sender() == to_ && from_->date() > to_->date()) {
        from_->setDate(to_->date());
    }
    Refresh();
}

void CDetectionLogDlg::Refresh() {
    const std::optional<DetectionLogPeriod> period =
        days_ ? ChosenPeriod(days_, {ToDay(from_->date()), ToDay(to_->date())})
              : std::optional<DetectionLogPeriod>();
    const DetectionLogSummary summary = SummarizeDetectionLog(records_, period);
    totals_->setText(Q(DetectionLogTotalsLine(summary)));
    ShowPerDay(summary);
    ShowPerHour(summary);
    ShowShares(summary);
}

void CDetectionLogDlg::ShowPerDay(const DetectionLogSummary& summary) {
    const bool years = !summary.perDay.empty() && ToDate(summary.perDay.front().day).year() !=
                                                      ToDate(summary.perDay.back().day).year();
    std::vector<BarColumn> columns;
    columns.reserve(summary.perDay.size());
    for (const DetectionLogDay& day : summary.perDay) {
        const QDate date = ToDate(day.day);
        const QColor color = date.dayOfWeek() == Qt::Saturday ? kSaturday
                             : date.dayOfWeek() == Qt::Sunday ? kSunday
                                                              : QColor(Qt::black);
        columns.push_back({date.toString(years ? QStringLiteral("yy/M/d") : QStringLiteral("M/d")),
                           color, Stack(day.counts)});
    }
    perDay_->SetColumns(std::move(columns));
}

void CDetectionLogDlg::ShowPerHour(const DetectionLogSummary& summary) {
    std::vector<BarColumn> columns;
    for (std::size_t hour = 0; hour < summary.perHour.size(); ++hour) {
        columns.push_back({QString::number(hour), QColor(Qt::black), Stack(summary.perHour[hour])});
    }
    perHour_->SetColumns(std::move(columns));
}

void CDetectionLogDlg::ShowShares(const DetectionLogSummary& summary) {
    std::vector<ShareRow> rows;
    for (const DetectionLogCount& result : summary.perResult) {
        const auto outcome = static_cast<std::size_t>(DetectionOutcomeOf(result.key & 0x3F));
        rows.push_back(
            {Q(DetectionLogResultLabel(result.key)), result.count, kOutcomeColors[outcome]});
    }
    results_->SetRows(std::move(rows));

    // The kinds most used first.
    std::vector<DetectionLogCount> kinds = summary.perKind;
    std::stable_sort(
        kinds.begin(), kinds.end(),
        [](const DetectionLogCount& a, const DetectionLogCount& b) { return a.count > b.count; });
    rows.clear();
    for (const DetectionLogCount& kind : kinds) {
        rows.push_back({Q(DetectionLogKindLabel(kind.key)), kind.count, kKindColor});
    }
    kinds_->SetRows(std::move(rows));

    rows.clear();
    for (const DetectionLogCount& set : summary.perSet) {
        rows.push_back({Q(DetectionLogSetLabel(set.key)), set.count,
                        kSetColors[static_cast<std::size_t>(set.key) % kSetColors.size()]});
    }
    sets_->SetRows(std::move(rows));
}

bool CDetectionLogDlg::SaveChart(Chart chart, const QString& path) const {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !ChartWidget(chart)->Image().save(&buffer, "PNG")) {
        return false;
    }
    PartialFile file;
    return file.Create(LocalPath(path)) &&
           file.Append(std::string_view(png.constData(), static_cast<std::size_t>(png.size()))) &&
           file.Commit();
}

void CDetectionLogDlg::AskAndSave(Chart chart) {
    const QFileInfo csv(path_);
    const QString suggested =
        csv.absoluteDir().filePath(csv.completeBaseName() + QLatin1Char('-') +
                                   ChartWidget(chart)->Title() + QStringLiteral(".png"));
    QString path = QFileDialog::getSaveFileName(this, QString(), suggested,
                                                QtFileFilter(ids::kDlogViewImageFilter));
    if (path.isEmpty()) {
        return;
    }
    // As the settings windows add ".dat": a name typed without an extension gets ".png".
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".png");
    }
    if (!SaveChart(chart, path)) {
        errorBox_(Tr(ids::kDlogViewImageSaveFailed), this);
    }
}

}  // namespace morvik
