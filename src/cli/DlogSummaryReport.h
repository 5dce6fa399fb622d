#pragma once
// What `morvik dlog summary` prints for a detection log's summary: the figures of the chart
// window as text tables, or the same as JSON.

#include <string>

#include "cli/CliJson.h"
#include "model/DetectionLogSummary.h"

namespace morvik::cli {

// The file line, the totals line, then per day, per hour of the day, per result, per FeliCa
// kind and per set. fileName is UTF-8.
std::string DlogSummaryTables(const std::string& fileName, const DetectionLogSummary& summary);

// The same figures as one JSON object (the "summary" of --json); labels are the CSV's own texts,
// shares are fractions of 1.
Json DlogSummaryJson(const DetectionLogSummary& summary);

}  // namespace morvik::cli
