#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

#include "files/DetectionLogCsv.h"
#include "model/Cp932.h"
#include "support/DetectionLogRecords.h"
#include "support/Files.h"

namespace morvik {
namespace {

// One detection as the terminal records it.
struct Detection {
    std::uint64_t felicaId;  // byte 0 first on the wire
    std::uint8_t year, month, day, hour, minute, second;
    std::uint8_t resultByte;  // result code and set
    std::uint8_t kind;
    std::uint64_t boot;  // 40 bits
    std::uint32_t seconds;
    std::uint16_t touches;
    std::uint32_t cumulative;
};

using RecordBytes = std::array<std::uint8_t, 32>;

void PutLittle(RecordBytes& r, std::size_t offset, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        r[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

RecordBytes Encode(const Detection& d) {
    RecordBytes r{};
    for (int i = 0; i < 8; ++i) {
        r[i] = static_cast<std::uint8_t>(d.felicaId >> (56 - 8 * i));
    }
    r[8] = d.year;
    r[9] = d.month;
    r[10] = d.day;
    r[11] = d.hour;
    r[12] = d.minute;
    r[13] = d.second;
    r[14] = d.resultByte;
    r[15] = d.kind;
    PutLittle(r, 16, d.boot, 5);
    PutLittle(r, 21, d.seconds, 4);
    PutLittle(r, 25, d.touches, 2);
    PutLittle(r, 27, d.cumulative, 4);
    unsigned sum = 0;
    for (int i = 0; i < 31; ++i) {
        sum += r[i];
    }
    r[31] = static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
    return r;
}

std::string ExpectedLine(const Detection& d, int number) {
    char head[96];
    std::snprintf(head, sizeof head, "%d,%016llx,%d/%02d/%02d %02d:%02d:%02d,", number,
                  static_cast<unsigned long long>(d.felicaId), 2000 + d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return head + test::CsvResultText(d.resultByte) + "," + test::CsvSetText(d.resultByte) + "," +
           test::CsvKindText(d.kind) + "," + std::to_string(d.boot) + "," +
           std::to_string(d.seconds) + "," + std::to_string(d.touches) + "," +
           std::to_string(d.cumulative) + "\r\n";
}

// A damaged record's line, from the shared oracle (which takes it for damaged by its bytes).
std::string ExpectedInvalidLine(const RecordBytes& r, int number) {
    return test::ExpectedCsvLine(std::string(r.begin(), r.end()), static_cast<std::size_t>(number));
}

const std::string kHeader = test::CsvHeader();

Detection RandomDetection(std::mt19937_64& rng) {
    static const std::uint8_t kKinds[] = {0, 17, 18, 26, 33, 50, 58, 66, 74, 82, 146, 255, 32, 1};
    static const std::uint8_t kResults[] = {0,    1,    2,    3,    4,    63,  5,
                                            0x40, 0x41, 0x45, 0x80, 0xC3, 0x7F};
    Detection d{};
    d.felicaId = rng();
    d.year = static_cast<std::uint8_t>(rng() % 100);
    d.month = static_cast<std::uint8_t>(1 + rng() % 12);
    d.day = static_cast<std::uint8_t>(1 + rng() % 31);
    d.hour = static_cast<std::uint8_t>(rng() % 24);
    d.minute = static_cast<std::uint8_t>(rng() % 60);
    d.second = static_cast<std::uint8_t>(rng() % 60);
    d.resultByte = kResults[rng() % std::size(kResults)];
    d.kind = kKinds[rng() % std::size(kKinds)];
    d.boot = rng() & 0xFFFFFFFFFFull;
    d.seconds = static_cast<std::uint32_t>(rng());
    d.touches = static_cast<std::uint16_t>(rng());
    d.cumulative = static_cast<std::uint32_t>(rng());
    return d;
}

// The blocks a terminal sends for these records: four per block, the last padded with 0xFF.
std::vector<std::array<std::uint8_t, 128>> Blocks(const std::vector<RecordBytes>& records) {
    std::vector<std::array<std::uint8_t, 128>> blocks;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i % 4 == 0) {
            blocks.emplace_back();
            blocks.back().fill(0xFF);
        }
        std::copy(records[i].begin(), records[i].end(), blocks.back().begin() + 32 * (i % 4));
    }
    return blocks;
}

std::string Convert(const std::vector<RecordBytes>& records) {
    std::string csv;
    std::int64_t written = 0;
    for (const auto& block : Blocks(records)) {
        csv += DetectionLogBlockToCsv(block, written, static_cast<std::int64_t>(records.size()));
    }
    EXPECT_EQ(written, static_cast<std::int64_t>(records.size()));
    return csv;
}

TEST(DetectionLogCsv, LogsOfSeveralSizesMatchTheRecords) {
    std::mt19937_64 rng(7);
    for (int count : {1, 3, 4, 5, 8, 9, 301}) {
        std::vector<RecordBytes> records;
        std::string expected = kHeader;
        for (int i = 0; i < count; ++i) {
            const Detection d = RandomDetection(rng);
            records.push_back(Encode(d));
            expected += ExpectedLine(d, i + 1);
        }
        EXPECT_EQ(Convert(records), expected) << count << " records";
    }
}

// A damaged record is written as the invalid-record line; numbering goes on.
TEST(DetectionLogCsv, InvalidRecordLine) {
    std::mt19937_64 rng(11);
    const Detection first = RandomDetection(rng);
    const Detection third = RandomDetection(rng);
    RecordBytes damaged = Encode(RandomDetection(rng));
    damaged[20] ^= 0x10;
    const std::vector<RecordBytes> records = {Encode(first), damaged, Encode(third)};
    EXPECT_EQ(Convert(records), kHeader + ExpectedLine(first, 1) + ExpectedInvalidLine(damaged, 2) +
                                    ExpectedLine(third, 3));
    // Padding read as a record (0xFF * 32 does not sum to 0) would show up as an invalid line.
    RecordBytes padding;
    padding.fill(0xFF);
    EXPECT_EQ(DetectionLogCsvLine(padding, 9), ExpectedInvalidLine(padding, 9));
}

TEST(DetectionLogCsv, FieldDecoding) {
    Detection d{};
    d.felicaId = 0x0123456789ABCDEFull;
    d.year = 9;
    d.month = 12;
    d.day = 31;
    d.hour = 23;
    d.minute = 59;
    d.second = 58;
    d.resultByte = 0x41;
    d.kind = 0x20;
    d.boot = 0x100000001ull;
    d.seconds = 0xFFFFFFFF;
    d.touches = 0xFFFF;
    d.cumulative = 1;
    const RecordBytes r = Encode(d);
    EXPECT_EQ(r[16], 1);
    EXPECT_EQ(r[20], 1);
    EXPECT_EQ(DetectionLogCsvLine(r, 12),
              "12,0123456789abcdef,2009/12/31 23:59:58," + test::Sjis("FeliCaカード検出") + "," +
                  test::Sjis("設定2") + ",32,4294967297,4294967295,65535,1\r\n");
    d.resultByte = 0x05;
    EXPECT_NE(DetectionLogCsvLine(Encode(d), 1).find(",5," + test::Sjis("設定1") + ",32,"),
              std::string::npos);
    d.resultByte = 0x45;
    EXPECT_NE(DetectionLogCsvLine(Encode(d), 1).find(",69," + test::Sjis("設定2") + ","),
              std::string::npos);
    d.resultByte = 0xBF;  // internal error in the third set bits
    EXPECT_NE(DetectionLogCsvLine(Encode(d), 1).find("," + test::Sjis("内部エラー") + ",128,"),
              std::string::npos);
}

// A block with no record missing, a short block and an announced count of zero add nothing but
// the header of the first call.
TEST(DetectionLogCsv, BlocksBeyondTheCount) {
    std::array<std::uint8_t, 128> block{};
    std::int64_t written = 4;
    EXPECT_EQ(DetectionLogBlockToCsv(block, written, 4), "");
    EXPECT_EQ(written, 4);
    written = 0;
    EXPECT_EQ(DetectionLogBlockToCsv(block, written, 0), kHeader);
    EXPECT_EQ(written, 0);
    written = 0;
    const std::string shortBlock = DetectionLogBlockToCsv(std::span(block).first(40), written, 4);
    EXPECT_EQ(written, 1);
    EXPECT_EQ(shortBlock, kHeader + "1,0000000000000000,2000/00/00 00:00:00," +
                              test::Sjis("機能実行成功") + "," + test::Sjis("設定1") + "," +
                              test::Sjis("FeliCaカード") + ",0,0,0,0\r\n");
}

}  // namespace
}  // namespace morvik
