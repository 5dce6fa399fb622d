// Reading a detection log CSV back and summing it up: a log fetched from the simulator by the
// tool is counted as the test seeded it, every record the writer can write reads back to its
// bytes, and files the tool did not write are refused at the line where they stop being its.

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <nlohmann/json.hpp>
#include <tuple>

#include "files/DetectionLogCsv.h"
#include "files/DetectionLogCsvReader.h"
#include "model/DetectionLogSummary.h"
#include "support/CliFixture.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"

namespace morvik {
namespace {

using Problem = DetectionLogCsvError::Problem;
using Counts = std::map<int, std::int64_t>;
using Json = nlohmann::json;

unsigned char At(const std::string& record, std::size_t i) {
    return static_cast<unsigned char>(record[i]);
}

// What the summary must say, counted here from the seeded bytes.
struct Seeded {
    std::int64_t records = 0;
    std::map<std::int32_t, std::int64_t> perDay;
    Counts perHour, perResult, perKind, perSet;
    std::int64_t successes = 0, cards = 0;
    std::tuple<int, int, int, int, int, int> first{9999, 0, 0, 0, 0, 0}, last{};

    // Records inside [firstDay, lastDay] only, when given.
    Seeded(const std::vector<std::string>& records, std::int32_t firstDay = INT32_MIN,
           std::int32_t lastDay = INT32_MAX) {
        using namespace std::chrono;
        for (const std::string& r : records) {
            const year_month_day date{year{2000 + At(r, 8)}, month{At(r, 9)}, day{At(r, 10)}};
            const auto dayNumber =
                static_cast<std::int32_t>(sys_days{date}.time_since_epoch().count());
            if (dayNumber < firstDay || dayNumber > lastDay) {
                continue;
            }
            ++this->records;
            ++perDay[dayNumber];
            ++perHour[At(r, 11)];
            const int code = At(r, 14) & 0x3F;
            const bool named = code <= 4 || code == 63;
            ++perResult[named ? code : At(r, 14)];
            ++perKind[At(r, 15)];
            ++perSet[At(r, 14) >> 6];
            successes += code == 0;
            cards += code == 1;
            const auto when = std::make_tuple(2000 + At(r, 8), int{At(r, 9)}, int{At(r, 10)},
                                              int{At(r, 11)}, int{At(r, 12)}, int{At(r, 13)});
            first = std::min(first, when);
            last = std::max(last, when);
        }
    }
};

std::string Hex(const std::string& bytes) {
    std::string hex;
    for (unsigned char c : bytes) {
        hex += "0123456789abcdef"[c >> 4];
        hex += "0123456789abcdef"[c & 0x0F];
    }
    return hex;
}

Counts AsMap(const std::vector<DetectionLogCount>& counts) {
    Counts map;
    for (const DetectionLogCount& c : counts) {
        map[c.key] = c.count;
    }
    return map;
}

std::tuple<int, int, int, int, int, int> AsTuple(const DetectionLogTime& t) {
    return {t.year, t.month, t.day, t.hour, t.minute, t.second};
}

void ExpectSummary(const DetectionLogSummary& summary, const Seeded& seeded) {
    EXPECT_EQ(summary.records, seeded.records);
    std::map<std::int32_t, std::int64_t> perDay;
    for (const DetectionLogDay& day : summary.perDay) {
        if (Total(day.counts) > 0) {
            perDay[day.day] = Total(day.counts);
        }
    }
    EXPECT_EQ(perDay, seeded.perDay);
    // Every day between the first and the last has its bar, the shop's closed days too.
    ASSERT_FALSE(summary.perDay.empty());
    EXPECT_EQ(summary.perDay.back().day - summary.perDay.front().day + 1,
              static_cast<std::int32_t>(summary.perDay.size()));
    Counts perHour;
    for (int hour = 0; hour < 24; ++hour) {
        if (const std::int64_t n = Total(summary.perHour[static_cast<std::size_t>(hour)])) {
            perHour[hour] = n;
        }
    }
    EXPECT_EQ(perHour, seeded.perHour);
    EXPECT_EQ(AsMap(summary.perResult), seeded.perResult);
    EXPECT_EQ(AsMap(summary.perKind), seeded.perKind);
    EXPECT_EQ(AsMap(summary.perSet), seeded.perSet);
    ASSERT_TRUE(summary.first && summary.last);
    EXPECT_EQ(AsTuple(*summary.first), seeded.first);
    EXPECT_EQ(AsTuple(*summary.last), seeded.last);
    ASSERT_TRUE(summary.SuccessRate());
    EXPECT_DOUBLE_EQ(
        *summary.SuccessRate(),
        static_cast<double>(seeded.successes) / static_cast<double>(seeded.records - seeded.cards));
}

class DetectionLogView : public test::CliFixture {};

TEST_F(DetectionLogView, ALogFetchedByTheToolIsCountedAsItWasSeeded) {
    const auto records = test::MakeShopRecords(12, 3, 2);
    const test::SimProcess sim =
        Sim("mini", {"--dlog-file", test::WriteRecordFile(files_, records)});
    const std::string path = files_.File("shop.csv");
    ASSERT_EQ(Morvik(sim, {"--quiet", "dlog", "get", path}).exitCode, 0);

    const DetectionLogCsvContent content = ReadDetectionLogCsv(path);
    ASSERT_FALSE(content.error) << DetectionLogCsvErrorText(*content.error);
    ASSERT_EQ(content.records.size(), records.size());
    const DetectionLogSummary whole = SummarizeDetectionLog(content.records);
    ExpectSummary(whole, Seeded(records));
    EXPECT_EQ(whole.inconsistent + whole.undated, 0);

    // Six days from a Saturday, the Wednesday the shop is closed among them.
    const std::int32_t from = whole.perDay.front().day + 2;
    const DetectionLogSummary days = SummarizeDetectionLog(content.records, {{from, from + 5}});
    ExpectSummary(days, Seeded(records, from, from + 5));
    EXPECT_EQ(days.perDay.size(), 6u);
}

std::string DayText(std::int32_t day, char separator) {
    using namespace std::chrono;
    const year_month_day date{sys_days{days{day}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d%c%02u%c%02u", static_cast<int>(date.year()), separator,
                  static_cast<unsigned>(date.month()), separator,
                  static_cast<unsigned>(date.day()));
    return text;
}

TEST_F(DetectionLogView, TheCommandLinePrintsTheSameFigures) {
    const auto records = test::MakeShopRecords(12, 2, 5);
    const std::string path = files_.File("shop.csv");
    test::WriteWholeFile(path, test::ExpectedCsv(records));
    const Seeded seeded(records);

    const test::RunResult tables = Morvik({"dlog", "summary", path});
    ASSERT_EQ(tables.exitCode, 0) << tables.err;
    const auto [y0, mo0, d0, h0, mi0, s0] = seeded.first;
    const auto [y1, mo1, d1, h1, mi1, s1] = seeded.last;
    char totals[256];
    std::snprintf(totals, sizeof totals,
                  "\n記録 %lld件　期間 %04d/%02d/%02d %02d:%02d ～ %04d/%02d/%02d %02d:%02d　"
                  "成功率 %.1f%% (カード検出を除く)\n",
                  static_cast<long long>(seeded.records), y0, mo0, d0, h0, mi0, y1, mo1, d1, h1,
                  mi1, 100.0 * seeded.successes / (seeded.records - seeded.cards));
    EXPECT_NE(tables.out.find(totals), std::string::npos) << tables.out;

    // --json: one object, the figures under "summary" (shares are fractions of 1).
    const test::RunResult json = Morvik({"--json", "dlog", "summary", path});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const Json object = Json::parse(json.out);
    EXPECT_EQ(object["command"], "dlog summary");
    EXPECT_EQ(object["ok"], true);
    EXPECT_EQ(object["file"], path);
    EXPECT_EQ(object["messages"], Json::array());
    const Json& summary = object["summary"];
    EXPECT_EQ(summary["records"], seeded.records);
    std::map<std::string, std::int64_t> perDay, seededPerDay;
    for (const Json& day : summary["perDay"]) {
        if (day["total"] > 0) {
            perDay[day["date"]] = day["total"];
        }
    }
    for (const auto& [day, count] : seeded.perDay) {
        seededPerDay[DayText(day, '-')] = count;
    }
    EXPECT_EQ(perDay, seededPerDay);
    Counts perKind;
    for (const Json& kind : summary["perKind"]) {
        EXPECT_FALSE(kind["kind"].get<std::string>().empty());
        perKind[kind["code"]] = kind["count"];
    }
    EXPECT_EQ(perKind, seeded.perKind);
    EXPECT_NEAR(summary["successRate"].get<double>(),
                static_cast<double>(seeded.successes) / (seeded.records - seeded.cards), 0.00005);

    // One day, given as the CSV writes dates.
    const std::int32_t saturday = seeded.perDay.begin()->first + 2;
    const std::string day = DayText(saturday, '/');
    const test::RunResult narrowed =
        Morvik({"dlog", "summary", "--json", "--from", day, "--to=" + day, path});
    ASSERT_EQ(narrowed.exitCode, 0) << narrowed.out;
    EXPECT_EQ(Json::parse(narrowed.out)["summary"]["records"],
              Seeded(records, saturday, saturday).records);

    // What is not a detection log of the tool, and a date that is none.
    std::string lfOnly = test::ExpectedCsv(records);
    std::erase(lfOnly, '\r');
    test::WriteWholeFile(path, lfOnly);
    const test::RunResult refused = Morvik({"dlog", "summary", path});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              "1行目の行末が検出ログの形式(CR LF)と違います。"
              "ファイルが変更されているか、検出ログのファイルではありません。\n");
    EXPECT_TRUE(refused.out.empty());
    const Json refusedJson = Json::parse(Morvik({"--json", "dlog", "summary", path}).out);
    EXPECT_EQ(refusedJson["exitCode"], 1);
    EXPECT_TRUE(refusedJson["summary"].is_null());
    EXPECT_EQ(refusedJson["messages"].size(), 1u);
    const test::RunResult badDate = Morvik({"dlog", "summary", "--from", "2024-02-30", path});
    EXPECT_EQ(badDate.exitCode, 2);
    EXPECT_EQ(badDate.err, "日付が不正です: 2024-02-30 (例: 2024-05-01)\n");
}

TEST(DetectionLogRead, EveryRecordTheWriterWritesReadsBackToItsBytes) {
    // Every result, set and kind code, marked records, and clock bytes that are no real time
    // (three-digit fields, year byte 255).
    auto records = test::MakeRecords(301, true);
    std::string odd = records[0];
    for (std::size_t i = 8; i < 14; ++i) {
        odd[i] = static_cast<char>(i == 9 ? 0 : 0xF0 + i);
    }
    odd[31] = 0;
    unsigned sum = 0;
    for (unsigned char c : odd) {
        sum += c;
    }
    odd[31] = static_cast<char>((0x100 - sum % 256) % 256);
    records.push_back(odd);
    const std::string csv = test::ExpectedCsv(records);

    const DetectionLogCsvContent content = ParseDetectionLogCsv(csv);
    ASSERT_FALSE(content.error) << DetectionLogCsvErrorText(*content.error);
    ASSERT_EQ(content.records.size(), records.size());
    std::int64_t marked = 0;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const DetectionLogRecord& read = content.records[k];
        EXPECT_EQ(read.number, static_cast<std::int64_t>(k + 1));
        EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), records[k]) << "record " << k;
        marked += read.Consistent() ? 0 : 1;
    }
    EXPECT_EQ(marked, 301 / 7);

    // The marked record and the one without a real time count in the whole log only.
    const DetectionLogSummary whole = SummarizeDetectionLog(content.records);
    EXPECT_EQ(whole.records, 302);
    EXPECT_EQ(whole.inconsistent, marked);
    EXPECT_EQ(whole.undated, 1);
    EXPECT_EQ(Total(whole.outcomes), 302 - marked);
    const DetectionLogSummary all =
        SummarizeDetectionLog(content.records, DetectionLogDays(content.records));
    EXPECT_EQ(all.records, 302 - marked - 1);
    EXPECT_EQ(all.inconsistent + all.undated, 0);
}

TEST(DetectionLogRead, FilesTheToolDidNotWriteAreRefusedAtTheirLine) {
    const auto records = test::MakeRecords(12, true);  // line 8 is a marked record
    const std::string good = test::ExpectedCsv(records);
    const auto line = [&](std::size_t number) {  // counted from 1, CR LF included
        std::size_t begin = 0;
        for (std::size_t n = 1; n < number; ++n) {
            begin = good.find('\n', begin) + 1;
        }
        return std::make_pair(begin, good.find('\n', begin) + 1 - begin);
    };
    const auto replaceInLine = [&](std::size_t number, const std::string& from,
                                   const std::string& to) {
        std::string csv = good;
        const auto [begin, size] = line(number);
        std::string text = csv.substr(begin, size);
        const std::size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        return csv.replace(begin, size, text);
    };
    std::string lfOnly;
    for (char c : good) {
        if (c != '\r') {
            lfOnly += c;
        }
    }
    const auto [line5, line5Size] = line(5);
    const auto [line8, line8Size] = line(8);
    const std::string record4 = test::ExpectedCsvLine(records[3], 4);
    const std::string date4 = record4.substr(record4.find(",20") + 1, 19);
    struct Case {
        const char* what;
        std::string csv;
        Problem problem;
        std::int64_t line;
        int column;
    };
    const Case cases[] = {
        {"empty", "", Problem::kHeader, 1, -1},
        {"another program's CSV", "date,amount\r\n2024/05/01,300\r\n", Problem::kHeader, 1, -1},
        {"UTF-8", "\xEF\xBB\xBFNo.,FeliCa ID\r\n", Problem::kHeader, 1, -1},
        {"LF line ends", lfOnly, Problem::kLineEnd, 1, -1},
        {"cut last line", good.substr(0, good.size() - 7), Problem::kCutLine, 13, -1},
        {"cut after CR", good.substr(0, good.size() - 1), Problem::kCutLine, 13, -1},
        {"cut header", good.substr(0, 20), Problem::kCutLine, 1, -1},
        {"bad date", replaceInLine(5, date4, date4.substr(0, 17) + "x9"), Problem::kField, 5, 2},
        {"date without seconds", replaceInLine(5, date4, date4.substr(0, 16)), Problem::kField, 5,
         2},
        {"line left out", good.substr(0, line5) + good.substr(line5 + line5Size), Problem::kField,
         5, 0},
        {"extra column", replaceInLine(3, "\r\n", ",x\r\n"), Problem::kFieldCount, 3, -1},
        {"upper-case ID", replaceInLine(2, ",", ",A"), Problem::kField, 2, 1},
        {"set of another result", replaceInLine(10, test::Sjis(",設定2,"), test::Sjis(",設定1,")),
         Problem::kField, 10, 4},
        {"touch counter past 16 bits", replaceInLine(4, ",65282,", ",65536,"), Problem::kField, 4,
         8},
        {"marked record in hexadecimal too short", replaceInLine(8, ")", "0)"), Problem::kField, 8,
         -1},
        {"marked record whose check holds",
         good.substr(0, line8) + "7," + test::Sjis("このレコードにデータの不整合があります。(") +
             Hex(records[0]) + ")\r\n" + good.substr(line8 + line8Size),
         Problem::kField, 8, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DetectionLogCsvContent content = ParseDetectionLogCsv(c.csv);
        ASSERT_TRUE(content.error);
        EXPECT_EQ(content.error->problem, c.problem);
        EXPECT_EQ(content.error->line, c.line);
        EXPECT_EQ(content.error->column, c.column);
        EXPECT_TRUE(content.records.empty());
    }
    EXPECT_EQ(DetectionLogCsvErrorText({Problem::kField, 5, 2}),
              "5行目の「日時」が検出ログの値ではありません。"
              "ファイルが変更されているか、検出ログのファイルではありません。");
    const test::TempDir dir;
    EXPECT_EQ(ReadDetectionLogCsv(dir.File("none.csv")).error->problem, Problem::kCannotOpen);
}

}  // namespace
}  // namespace morvik
