#pragma once
// The detection log of a Mini/MiniS terminal as a CSV file. The terminal sends its log as
// 128-byte blocks of four 32-byte records; each block becomes the CSV lines to append to the
// file. Lines end with CR LF and are code page 932, like every file of the tool.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "model/DetectionLogRecord.h"

namespace morvik {

inline constexpr std::size_t kDetectionLogRecordsPerBlock = 4;

// The first line of the file, CR LF included.
std::string DetectionLogCsvHeader();

// The line of one record (32 bytes) with its running number (the first record is 1): the
// decoded fields, or the invalid-record line with the record in hexadecimal when its check byte
// does not make the sum 0.
std::string DetectionLogCsvLine(std::span<const std::uint8_t, kDetectionLogRecordSize> record,
                                std::int64_t number);

// The text to append for one received block. recordsWritten is the number of records already in
// the file (0 for the first block, which also gets the header line) and is advanced by the
// records of the block; totalRecords is the count the terminal announced. The last block holds
// only the records still missing; the rest of it is padding and is ignored.
std::string DetectionLogBlockToCsv(std::span<const std::uint8_t> block,
                                   std::int64_t& recordsWritten, std::int64_t totalRecords);

// The texts of the result, set and kind columns (code page 932): for a result byte (byte 14 of
// the record, result code and set) and a kind byte. Codes without a text of their own are
// written in decimal.
std::string DetectionLogResultText(std::uint8_t resultByte);
std::string DetectionLogSetText(std::uint8_t resultByte);
std::string DetectionLogKindText(std::uint8_t kind);

}  // namespace morvik
