#pragma once
// The words of a detection log summary as the chart window and `morvik dlog summary` show them
// (UTF-8): the labels of results, kinds, sets and outcomes (the CSV's own texts), times and
// counts, and the line of totals above the charts.

#include <cstdint>
#include <string>

#include "model/DetectionLogSummary.h"

namespace morvik {

// A result key of DetectionLogSummary::perResult, a kind byte, set bits (0-3).
std::string DetectionLogResultLabel(int key);
std::string DetectionLogKindLabel(int kind);
std::string DetectionLogSetLabel(int setBits);
std::string DetectionLogOutcomeLabel(DetectionOutcome outcome);

// 12345 as "12,345".
std::string GroupedNumber(std::int64_t value);
// "2024/05/02 10:11:05" (seconds only when withSeconds).
std::string DetectionLogTimeText(const DetectionLogTime& time, bool withSeconds = false);
// A day number as "2024/05/02".
std::string DetectionLogDateText(std::int32_t day);
// "45.6" for 0.456.
std::string PercentText(double share);

// "記録 1,234件　期間 2024/05/02 10:11 ～ 2024/05/28 20:41　成功率 93.2% (カード検出を除く)", then
// the records that failed their check and those without a usable time, when there are any.
std::string DetectionLogTotalsLine(const DetectionLogSummary& summary);

}  // namespace morvik
