#pragma once
// The figures of a detection log that the chart window and `morvik dlog summary` show: how many
// detections, from when to when, how many succeeded, and counts per day, per hour of the day,
// per result, per FeliCa kind and per set, for the whole log or for a period of days.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/DetectionLogRecord.h"

namespace morvik {

using DetectionOutcomeCounts = std::array<std::int64_t, kDetectionOutcomeCount>;

std::int64_t Total(const DetectionOutcomeCounts& counts);

// Days since 1970-01-01, both included.
struct DetectionLogPeriod {
    std::int32_t firstDay = 0;
    std::int32_t lastDay = 0;
};

struct DetectionLogDay {
    std::int32_t day = 0;  // days since 1970-01-01
    DetectionOutcomeCounts counts{};
};

// A count of one value of a column: a result key (ResultKey), a kind byte or set bits.
struct DetectionLogCount {
    int key = 0;
    std::int64_t count = 0;
};

struct DetectionLogSummary {
    // The records counted: for a period, the records of its days; for the whole log every record,
    // those without a usable time included.
    std::int64_t records = 0;
    // Whole log only: records that failed their check (nothing of them is counted below) and
    // records whose time is not a real moment (counted by result, kind and set, not by time).
    std::int64_t inconsistent = 0;
    std::int64_t undated = 0;
    std::optional<DetectionLogTime> first;
    std::optional<DetectionLogTime> last;
    // Every day from the first to the last (of the period when one is given), days without a
    // detection included.
    std::vector<DetectionLogDay> perDay;
    std::array<DetectionOutcomeCounts, 24> perHour{};
    DetectionOutcomeCounts outcomes{};
    // Results in the order of their texts (success, card, failures, internal error), then
    // results without a text by byte; kinds by byte; sets by their bits. Values that never occur
    // are left out.
    std::vector<DetectionLogCount> perResult;
    std::vector<DetectionLogCount> perKind;
    std::vector<DetectionLogCount> perSet;

    // The share of successes among the detections whose result says whether the function ran:
    // all but card detections. None when there is no such detection.
    std::optional<double> SuccessRate() const;
};

// What perResult counts a record under: its result code when the code has a text, else the
// whole result byte (as the CSV shows it).
int ResultKey(const DetectionLogRecord& record);

DetectionLogSummary SummarizeDetectionLog(std::span<const DetectionLogRecord> records,
                                          std::optional<DetectionLogPeriod> period = {});

// The days of the records that have a usable time; none when no record has one.
std::optional<DetectionLogPeriod> DetectionLogDays(std::span<const DetectionLogRecord> records);

// What to sum up for the days an operator chose: none (the whole log, records without a usable
// time included) when they cover every day of the log (logDays), else those days.
std::optional<DetectionLogPeriod> ChosenPeriod(const std::optional<DetectionLogPeriod>& logDays,
                                               const DetectionLogPeriod& chosen);

// A day number as year, month and day.
DetectionLogTime DetectionLogDate(std::int32_t day);

}  // namespace morvik
