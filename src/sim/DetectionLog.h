#pragma once
// The terminal's detection log: 32-byte records (FeliCa ID, time, result and set, FeliCa kind,
// counters, and a check byte that makes the record's byte sum 0), and the data the "dlog g"
// transfer sends (four records per 128-byte block, the last block padded with 0xFF).

#include <cstdint>
#include <string>
#include <vector>

namespace morvik::sim {

using DetectionRecord = std::string;  // exactly 32 bytes
constexpr size_t kDetectionRecordSize = 32;

// Record number index (0-based) of a made-up but well-formed log.
DetectionRecord MakeDetectionRecord(uint32_t index);

// Splits the contents of a file of whole 32-byte records; false when the size does not fit.
bool SplitDetectionRecords(const std::string& bytes, std::vector<DetectionRecord>& out);

// The transfer data of the records: back to back, padded with 0xFF to whole 128-byte blocks.
std::string DetectionLogData(const std::vector<DetectionRecord>& records);

}  // namespace morvik::sim
