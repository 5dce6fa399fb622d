#pragma once
// What the firmware, maintenance and detection log tests build for themselves: firmware images,
// detection log records, and the CSV a log must become, all written from the file layouts
// rather than from the tool's own code.

#include <cstdint>
#include <string>
#include <vector>

#include "support/SimProcess.h"

namespace morvik::test {

// A firmware image file for model with dataLength data bytes and the version text; damaged
// makes its data checksum wrong. Returns the path (inside dir).
std::string WriteFirmwareImage(const TempDir& dir, const std::string& name,
                               const std::string& model, std::size_t dataLength,
                               const std::string& version, bool damaged = false);

// n detection log records (32 bytes each) covering every result, set and kind code; every
// seventh record has a broken check byte when withInvalid is set.
std::vector<std::string> MakeRecords(std::size_t n, bool withInvalid = false);

// Writes the records as a simulator log file and returns its path (inside dir).
std::string WriteRecordFile(const TempDir& dir, const std::vector<std::string>& records);

// The CSV (code page 932, CR LF) the records must become.
std::string ExpectedCsv(const std::vector<std::string>& records);

// The whole content of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// A terminal's Mini-family opening, for a bare client.
inline const std::string kMiniOpening = "config mini";

}  // namespace morvik::test
