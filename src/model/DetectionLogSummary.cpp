#include "model/DetectionLogSummary.h"

#include <algorithm>
#include <chrono>
#include <numeric>

namespace morvik {
namespace {

// The result codes with a text, in the order of their texts.
constexpr std::array<int, 6> kNamedResults = {0, 1, 2, 3, 4, 63};

int ResultRank(int key) {
    const auto* named = std::find(kNamedResults.begin(), kNamedResults.end(), key);
    return named != kNamedResults.end() ? static_cast<int>(named - kNamedResults.begin())
                                        : static_cast<int>(kNamedResults.size()) + key;
}

template <std::size_t N>
std::vector<DetectionLogCount> Present(const std::array<std::int64_t, N>& counts) {
    std::vector<DetectionLogCount> present;
    for (std::size_t key = 0; key < N; ++key) {
        if (counts[key] > 0) {
            present.push_back({static_cast<int>(key), counts[key]});
        }
    }
    return present;
}

}  // namespace

std::int64_t Total(const DetectionOutcomeCounts& counts) {
    return std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
}

std::optional<double> DetectionLogSummary::SuccessRate() const {
    const std::int64_t decided =
        Total(outcomes) - outcomes[static_cast<std::size_t>(DetectionOutcome::kCardDetected)];
    if (decided <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(outcomes[static_cast<std::size_t>(DetectionOutcome::kSuccess)]) /
           static_cast<double>(decided);
}

int ResultKey(const DetectionLogRecord& record) {
    return IsNamedResultCode(record.ResultCode()) ? record.ResultCode() : record.ResultByte();
}

std::optional<DetectionLogPeriod> DetectionLogDays(std::span<const DetectionLogRecord> records) {
    std::optional<DetectionLogPeriod> days;
    for (const DetectionLogRecord& record : records) {
        const DetectionLogTime time = record.Time();
        if (!record.Consistent() || !time.Valid()) {
            continue;
        }
        const std::int32_t day = time.Day();
        if (!days) {
            days = DetectionLogPeriod{day, day};
        }
        days->firstDay = std::min(days->firstDay, day);
        days->lastDay = std::max(days->lastDay, day);
    }
    return days;
}

std::optional<DetectionLogPeriod> ChosenPeriod(const std::optional<DetectionLogPeriod>& logDays,
                                               const DetectionLogPeriod& chosen) {
    if (logDays && chosen.firstDay <= logDays->firstDay && chosen.lastDay >= logDays->lastDay) {
        return std::nullopt;
    }
    return chosen;
}

DetectionLogTime DetectionLogDate(std::int32_t day) {
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
    DetectionLogTime time;
    time.year = static_cast<int>(date.year());
    time.month = static_cast<int>(static_cast<unsigned>(date.month()));
    time.day = static_cast<int>(static_cast<unsigned>(date.day()));
    return time;
}

DetectionLogSummary SummarizeDetectionLog(std::span<const DetectionLogRecord> records,
                                          std::optional<DetectionLogPeriod> period) {
    DetectionLogSummary summary;
    const std::optional<DetectionLogPeriod> days = period ? period : DetectionLogDays(records);
    std::vector<DetectionOutcomeCounts> perDay;
    if (days && days->lastDay >= days->firstDay) {
        perDay.resize(static_cast<std::size_t>(days->lastDay - days->firstDay) + 1);
    }
    std::array<std::int64_t, 256> results{};
    std::array<std::int64_t, 256> kinds{};
    std::array<std::int64_t, 4> sets{};
    for (const DetectionLogRecord& record : records) {
        if (!record.Consistent()) {
            if (!period) {
                ++summary.inconsistent;
                ++summary.records;
            }
            continue;
        }
        const DetectionLogTime time = record.Time();
        const bool dated = time.Valid();
        const std::int32_t day = dated ? time.Day() : 0;
        if (period && (!dated || day < period->firstDay || day > period->lastDay)) {
            continue;
        }
        ++summary.records;
        const auto outcome = static_cast<std::size_t>(record.Outcome());
        ++summary.outcomes[outcome];
        ++results[static_cast<std::size_t>(ResultKey(record))];
        ++kinds[record.Kind()];
        ++sets[static_cast<std::size_t>(record.SetBits())];
        if (!dated) {
            ++summary.undated;
            continue;
        }
        ++perDay[static_cast<std::size_t>(day - days->firstDay)][outcome];
        ++summary.perHour[static_cast<std::size_t>(time.hour)][outcome];
        if (!summary.first || time < *summary.first) {
            summary.first = time;
        }
        if (!summary.last || *summary.last < time) {
            summary.last = time;
        }
    }
    summary.perDay.reserve(perDay.size());
    for (std::size_t i = 0; i < perDay.size(); ++i) {
        summary.perDay.push_back({days->firstDay + static_cast<std::int32_t>(i), perDay[i]});
    }
    summary.perResult = Present(results);
    std::stable_sort(summary.perResult.begin(), summary.perResult.end(),
                     [](const DetectionLogCount& a, const DetectionLogCount& b) {
                         return ResultRank(a.key) < ResultRank(b.key);
                     });
    summary.perKind = Present(kinds);
    summary.perSet = Present(sets);
    return summary;
}

}  // namespace morvik
