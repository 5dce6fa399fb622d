// The detection log window offscreen: the totals line and the charts of a log of known content,
// a narrowed period, a chart saved as PNG through its button, and the main window's
// 検出ログを開く, which refuses a file the tool did not write with the line where it stops.

#include <QApplication>
#include <QDateEdit>
#include <QImage>
#include <QPointer>
#include <QToolButton>
#include <numeric>

#include "app/CommandIds.h"
#include "charts/CBarChart.h"
#include "charts/CDetectionLogDlg.h"
#include "charts/CShareChart.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"
#include "support/qt/AppFixture.h"
#include "support/qt/MiniWindowDriver.h"

namespace morvik {
namespace {

using Chart = CDetectionLogDlg::Chart;

// A record of 2024/05/day at hour:minute:second.
std::string Record(int day, int hour, int minute, int second, unsigned resultByte, unsigned kind,
                   bool damaged = false) {
    std::string r(32, '\0');
    r[0] = static_cast<char>(day * 16 + hour);
    const int fields[] = {
        24, 5, day, hour, minute, second, static_cast<int>(resultByte), static_cast<int>(kind)};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        r[8 + i] = static_cast<char>(fields[i]);
    }
    unsigned sum = 0;
    for (unsigned char c : r) {
        sum += c;
    }
    r[31] = static_cast<char>((0x100 - sum % 256 + (damaged ? 1 : 0)) % 256);
    return r;
}

// Thursday to Sunday: four touches on the 2nd (one card, one failure), none on the 3rd, two in
// set 2 on Saturday the 4th, a damaged record, one on Sunday the 5th.
std::vector<std::string> KnownLog() {
    return {Record(2, 10, 11, 5, 0x00, 26),       Record(2, 12, 30, 0, 0x00, 58),
            Record(2, 12, 45, 0, 0x01, 0),        Record(2, 18, 5, 0, 0x02, 26),
            Record(4, 11, 0, 0, 0x40, 74),        Record(4, 19, 20, 0, 0x40, 26),
            Record(4, 19, 30, 0, 0x40, 26, true), Record(5, 20, 41, 30, 0x40, 255)};
}

std::vector<std::int64_t> Totals(const CBarChart& chart) {
    std::vector<std::int64_t> totals;
    for (const BarColumn& column : chart.Columns()) {
        totals.push_back(
            std::accumulate(column.counts.begin(), column.counts.end(), std::int64_t{0}));
    }
    return totals;
}

class ChartWindowTest : public test::AppFixture {
  protected:
    QString KnownFile() {
        const std::string path = files_.File("shop.csv");
        test::WriteWholeFile(path, test::ExpectedCsv(KnownLog()));
        return QString::fromStdString(path);
    }
    CDetectionLogDlg* Open(const QString& path) {
        return CDetectionLogDlg::Open(path, nullptr, [this](const QString& text, QWidget*) {
            errors_.push_back(text.toStdString());
        });
    }
    test::TempDir files_;
    std::vector<std::string> errors_;
};

TEST_F(ChartWindowTest, AKnownLogShowsItsTotalsAndNarrowsToADay) {
    QPointer<CDetectionLogDlg> window = Open(KnownFile());
    ASSERT_TRUE(window);
    window->show();
    EXPECT_EQ(window->windowTitle(), "検出ログ - shop.csv");
    EXPECT_EQ(window->TotalsText(),
              "記録 8件　期間 2024/05/02 10:11 ～ 2024/05/05 20:41　"
              "成功率 83.3% (カード検出を除く)　不整合 1件");
    const auto& perDay = *qobject_cast<CBarChart*>(window->ChartWidget(Chart::kPerDay));
    ASSERT_EQ(perDay.Columns().size(), 4u);
    EXPECT_EQ(Totals(perDay), (std::vector<std::int64_t>{4, 0, 2, 1}));
    EXPECT_EQ(perDay.Columns()[2].label, "5/4");
    EXPECT_NE(perDay.Columns()[2].labelColor, perDay.Columns()[1].labelColor);  // a Saturday
    const auto& perHour = *qobject_cast<CBarChart*>(window->ChartWidget(Chart::kPerHour));
    EXPECT_EQ(Totals(perHour)[12], 2);
    const auto& kinds = *qobject_cast<CShareChart*>(window->ChartWidget(Chart::kKinds));
    ASSERT_EQ(kinds.Rows().size(), 5u);
    EXPECT_EQ(kinds.Rows()[0].label, "docomoスマートフォン(モバイルFelica 2.0)");
    EXPECT_EQ(kinds.ValueText(kinds.Rows()[0]), "3件 (42.9%)");

    window->SetPeriod(QDate(2024, 5, 4), QDate(2024, 5, 4));
    EXPECT_EQ(
        window->TotalsText(),
        "記録 2件　期間 2024/05/04 11:00 ～ 2024/05/04 19:20　成功率 100.0% (カード検出を除く)");
    EXPECT_EQ(Totals(perDay), (std::vector<std::int64_t>{2}));
    const auto& sets = *qobject_cast<CShareChart*>(window->ChartWidget(Chart::kSets));
    ASSERT_EQ(sets.Rows().size(), 1u);
    EXPECT_EQ(sets.Rows()[0].label, "設定2");
    // An end moved past the other takes it along.
    window->FromEdit()->setDate(QDate(2024, 5, 5));
    EXPECT_EQ(window->ToEdit()->date(), QDate(2024, 5, 5));
    EXPECT_EQ(Totals(perDay), (std::vector<std::int64_t>{1}));
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "the window deletes itself when closed";
    EXPECT_TRUE(errors_.empty());
}

TEST_F(ChartWindowTest, AChartIsSavedAsPngThroughItsButton) {
    std::unique_ptr<CDetectionLogDlg> window(Open(KnownFile()));
    ASSERT_TRUE(window);
    window->show();
    CChartFrame* chart = window->ChartWidget(Chart::kPerDay);
    const std::string typed = files_.File("per-day");
    test::AnswerFileDialog(window.get(), QString::fromStdString(typed));
    chart->SaveButton()->click();
    const QImage image(QString::fromStdString(typed + ".png"));
    ASSERT_FALSE(image.isNull()) << "no PNG was written";
    EXPECT_EQ(image.size(), chart->size() * chart->devicePixelRatioF());
    bool successBar = false;  // the green of successful touches is in the picture
    for (int y = 0; y < image.height() && !successBar; ++y) {
        for (int x = 0; x < image.width() && !successBar; ++x) {
            successBar = image.pixelColor(x, y) == QColor(0x3F, 0x9F, 0x5F);
        }
    }
    EXPECT_TRUE(successBar);

    // A folder that is not there: the error box, and nothing written.
    test::AnswerFileDialog(window.get(), QString::fromStdString(files_.File("none/chart.png")));
    chart->SaveButton()->click();
    EXPECT_EQ(errors_, std::vector<std::string>{"画像の保存に失敗しました。"});
    EXPECT_FALSE(test::FileExists(files_.File("none/chart.png")));
}

TEST_F(ChartWindowTest, TheFileMenuOpensALogAndRefusesOtherFiles) {
    CMVKAppDlg& main = Window();
    QAction* open = main.Action(cmd::kOpenDetectionLog);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), "検出ログを開く...");

    test::AnswerFileDialog(&main, KnownFile());
    open->trigger();
    CDetectionLogDlg* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<CDetectionLogDlg*>(widget); found && found->isVisible()) {
            window = found;
        }
    }
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->parentWidget(), &main);
    EXPECT_TRUE(window->TotalsText().startsWith("記録 8件"));
    window->close();
    EXPECT_TRUE(boxes_.Boxes().empty());

    // The known log with the line of its third record cut after the date.
    std::string cut = test::ExpectedCsv(KnownLog());
    std::size_t begin = 0;
    for (int line = 1; line < 4; ++line) {
        begin = cut.find('\n', begin) + 1;
    }
    const std::size_t date = cut.find(',', cut.find(',', begin) + 1);
    const std::size_t afterDate = cut.find(',', date + 1);
    cut.erase(afterDate, cut.find('\r', begin) - afterDate);
    const std::string damaged = files_.File("damaged.csv");
    test::WriteWholeFile(damaged, cut);
    test::AnswerFileDialog(&main, QString::fromStdString(damaged));
    open->trigger();
    ASSERT_EQ(boxes_.Boxes().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0],
              "エラー|4行目の項目の数が検出ログと違います。"
              "ファイルが変更されているか、検出ログのファイルではありません。");
}

}  // namespace
}  // namespace morvik
