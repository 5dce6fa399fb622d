#pragma once
// Detection log records (32 bytes each) and the CSV they must become, written from the record and
// CSV layouts rather than from the tool's own code: the one oracle of every detection log test.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "support/SimProcess.h"

namespace morvik::test {

// n records covering every result, set and kind code; every seventh record has a broken check
// byte when withInvalid is set.
std::vector<std::string> MakeRecords(std::size_t n, bool withInvalid = false);

// A shop's log of days days from 2024/05/01, in time order: open 10:00-21:00 and closed on
// Wednesdays, busy at lunch and in the evening, mostly successful touches of smartphones of every
// carrier, some cards and failures, set 2 at weekends. A weekday has between perDay and twice
// perDay touches, a weekend day twice as many. The same seed gives the same log.
std::vector<std::string> MakeShopRecords(int days, unsigned perDay, unsigned seed = 1);

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
