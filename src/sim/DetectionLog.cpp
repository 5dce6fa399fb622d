#include "sim/DetectionLog.h"

namespace morvik::sim {
namespace {

void PutLe(std::string& rec, size_t offset, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) {
        rec[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

// Result codes and FeliCa kinds that a terminal in the field writes.
constexpr uint8_t kResults[] = {0, 1, 2, 3, 4, 63};
constexpr uint8_t kKinds[] = {0, 17, 18, 26, 33, 50, 58, 66, 74, 82, 146, 255};

}  // namespace

DetectionRecord MakeDetectionRecord(uint32_t index) {
    DetectionRecord rec(kDetectionRecordSize, '\0');
    // The FeliCa ID: a fixed manufacturer part and the record number.
    const uint8_t id[4] = {0x01, 0x2E, 0x4C, 0xD3};
    for (size_t i = 0; i < 4; ++i) {
        rec[i] = static_cast<char>(id[i]);
    }
    PutLe(rec, 4, index + 1, 4);
    uint32_t minutes = index * 7;
    rec[8] = static_cast<char>(9 + (index / 400) % 20);  // year - 2000
    rec[9] = static_cast<char>(1 + (index / 31) % 12);
    rec[10] = static_cast<char>(1 + index % 28);
    rec[11] = static_cast<char>((9 + minutes / 60) % 24);
    rec[12] = static_cast<char>(minutes % 60);
    rec[13] = static_cast<char>((index * 13) % 60);
    uint8_t set = (index / 3) % 2;
    rec[14] = static_cast<char>(kResults[index % sizeof kResults] | (set << 6));
    rec[15] = static_cast<char>(kKinds[index % sizeof kKinds]);
    PutLe(rec, 16, 1 + index / 50, 5);      // boot counter
    PutLe(rec, 21, 3600 + index * 421, 4);  // seconds counter
    PutLe(rec, 25, 1 + index % 50, 2);      // touches since boot
    PutLe(rec, 27, 1 + index, 4);           // cumulative touches
    unsigned sum = 0;
    for (size_t i = 0; i + 1 < kDetectionRecordSize; ++i) {
        sum += static_cast<unsigned char>(rec[i]);
    }
    rec[31] = static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF);
    return rec;
}

bool SplitDetectionRecords(const std::string& bytes, std::vector<DetectionRecord>& out) {
    if (bytes.size() % kDetectionRecordSize != 0) {
        return false;
    }
    for (size_t i = 0; i < bytes.size(); i += kDetectionRecordSize) {
        out.push_back(bytes.substr(i, kDetectionRecordSize));
    }
    return true;
}

std::string DetectionLogData(const std::vector<DetectionRecord>& records) {
    std::string data;
    for (const auto& r : records) {
        data += r;
    }
    if (data.size() % 128 != 0) {
        data.append(128 - data.size() % 128, '\xFF');
    }
    return data;
}

}  // namespace morvik::sim
