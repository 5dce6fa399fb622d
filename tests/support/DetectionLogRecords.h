#pragma once
// Detection log records (32 bytes each) and the CSV they must become, written from the record and
// CSV layouts rather than from the tool's own code: the one oracle of every detection log test.

#include <cstdint>
#include <string>
#include <vector>

#include "support/SimProcess.h"

namespace morvik::test {

// n records covering every result, set and kind code; every seventh record has a broken check
// byte when withInvalid is set.
std::vector<std::string> MakeRecords(std::size_t n, bool withInvalid = false);

// Writes the records as a simulator log file and returns its path (inside dir).
std::string WriteRecordFile(const TempDir& dir, const std::vector<std::string>& records);

// The texts of the CSV columns (code page 932) for a result byte and a kind byte.
std::string CsvResultText(std::uint8_t resultByte);
std::string CsvSetText(std::uint8_t resultByte);
std::string CsvKindText(std::uint8_t kind);
// The header line, CR LF included.
std::string CsvHeader();
// The line of one record (32 bytes) numbered number: the invalid-record line when its bytes do
// not sum to 0.
std::string ExpectedCsvLine(const std::string& record, std::size_t number);
// The whole CSV (code page 932, CR LF) the records must become; empty for no record.
std::string ExpectedCsv(const std::vector<std::string>& records);

}  // namespace morvik::test
