#include "cli/FleetReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "link/PartialFile.h"
#include "model/Utf8Path.h"

namespace morvik::cli {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
const std::vector<std::string> kColumns = {"port",    "cableSerial", "edition", "product",
                                           "version", "terminalId",  "action",  "outcome",
                                           "message", "seconds"};

std::string Field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string Seconds(double seconds) {
    char text[32] = {};
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

// The fields of every record of a CSV text (quoted fields may hold commas, quotes, line ends).
std::vector<std::vector<std::string>> Records(const std::string& text) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            records.back().push_back(std::move(field));
            field.clear();
            records.emplace_back();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !records.back().empty()) {
        records.back().push_back(std::move(field));
    } else {
        records.pop_back();
    }
    return records;
}

}  // namespace

std::string FleetReportCsv(const std::vector<FleetRow>& rows) {
    std::string csv(kBom);
    for (size_t i = 0; i < kColumns.size(); ++i) {
        csv += (i == 0 ? "" : ",") + kColumns[i];
    }
    csv += "\r\n";
    for (const FleetRow& row : rows) {
        const std::vector<std::string> fields = {std::to_string(row.port),
                                                 row.cableSerial,
                                                 row.edition,
                                                 row.product,
                                                 row.version,
                                                 row.terminalId,
                                                 row.action,
                                                 FleetOutcomeKey(row.outcome),
                                                 row.message,
                                                 Seconds(row.seconds)};
        for (size_t i = 0; i < fields.size(); ++i) {
            csv += (i == 0 ? "" : ",") + Field(fields[i]);
        }
        csv += "\r\n";
    }
    return csv;
}

bool SaveFleetReport(const std::string& path, const std::vector<FleetRow>& rows) {
    PartialFile file;
    return file.Create(path) && file.Append(FleetReportCsv(rows)) && file.Commit();
}

Json FleetReportJson(const std::vector<FleetRow>& rows) {
    Json array = Json::array();
    for (const FleetRow& row : rows) {
        array.push_back(Json{{"port", row.port},
                             {"cableSerial", row.cableSerial},
                             {"edition", row.edition},
                             {"product", row.product},
                             {"version", row.version},
                             {"terminalId", row.terminalId},
                             {"action", row.action},
                             {"outcome", FleetOutcomeKey(row.outcome)},
                             {"message", row.message},
                             {"seconds", std::round(row.seconds * 10) / 10}});
    }
    return array;
}

std::optional<std::vector<int>> PortsToRetry(const std::string& path) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::string csv = text.str();
    if (csv.starts_with(kBom)) {
        csv.erase(0, kBom.size());
    }
    const std::vector<std::vector<std::string>> records = Records(csv);
    if (records.empty()) {
        return std::nullopt;
    }
    const std::vector<std::string>& header = records.front();
    const auto portColumn = std::find(header.begin(), header.end(), "port");
    const auto outcomeColumn = std::find(header.begin(), header.end(), "outcome");
    if (portColumn == header.end() || outcomeColumn == header.end()) {
        return std::nullopt;
    }
    const size_t port = static_cast<size_t>(portColumn - header.begin());
    const size_t outcome = static_cast<size_t>(outcomeColumn - header.begin());
    std::vector<int> ports;
    for (size_t i = 1; i < records.size(); ++i) {
        const std::vector<std::string>& record = records[i];
        if (record.size() <= std::max(port, outcome)) {
            return std::nullopt;
        }
        if (record[outcome] != "failed" && record[outcome] != "interrupted") {
            continue;
        }
        int number = 0;
        try {
            number = std::stoi(record[port]);
        } catch (const std::exception&) {
            return std::nullopt;
        }
        if (number < 1 || number > 256) {
            return std::nullopt;
        }
        ports.push_back(number);
    }
    return ports;
}

}  // namespace morvik::cli
