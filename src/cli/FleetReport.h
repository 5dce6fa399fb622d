#pragma once
// The report of a fleet run, one row per terminal: as a CSV file (--report) for the operator's
// records and for --only-failed, and as JSON rows (--json). Column names are the JSON keys:
// port, cableSerial, edition, product, version, terminalId, action, outcome, message, seconds.
// The CSV file is UTF-8 with a byte order mark, so that a spreadsheet opens the Japanese texts.

#include <optional>
#include <string>
#include <vector>

#include "cli/CliJson.h"
#include "cli/FleetRun.h"

namespace morvik::cli {

// The whole CSV text of the rows.
std::string FleetReportCsv(const std::vector<FleetRow>& rows);

// Writes the CSV report; it appears only complete. False when it could not be written.
bool SaveFleetReport(const std::string& path, const std::vector<FleetRow>& rows);

// The rows as a JSON array.
Json FleetReportJson(const std::vector<FleetRow>& rows);

// The ports of a report whose terminals did not succeed and were not skipped (failed or
// interrupted), in the report's order; nothing when the file cannot be read or is no report.
std::optional<std::vector<int>> PortsToRetry(const std::string& path);

}  // namespace morvik::cli
