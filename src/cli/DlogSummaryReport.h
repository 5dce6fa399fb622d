#pragma once
// What `morvik dlog summary` prints for a detection log's summary: the figures of the chart
// window as text tables, or the same as JSON.

#include <string>

#include "model/DetectionLogSummary.h"

namespace morvik::cli {

// The file line, the totals line, then per day, per hour of the day, per result, per FeliCa
// kind and per set. fileName is UTF-8.
std::string DlogSummaryTables(const std::string& fileName, const DetectionLogSummary& summary);

// One JSON object with the same figures; labels are the CSV's own texts.
std::string DlogSummaryJson(const std::string& fileName, const DetectionLogSummary& summary);

}  // namespace morvik::cli
