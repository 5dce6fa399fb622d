#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

#include "files/DetectionLogCsv.h"
#include "model/Cp932.h"

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

std::string Sjis(const char* utf8) {
    return Utf8ToCp932Lossy(utf8);
}

std::string ResultField(std::uint8_t byte) {
    switch (byte & 0x3F) {
        case 0:
            return Sjis("機能実行成功");
        case 1:
            return Sjis("FeliCaカード検出");
        case 2:
            return Sjis("機能実行失敗(02)");
        case 3:
            return Sjis("機能実行失敗(03)");
        case 4:
            return Sjis("機能実行失敗(04)");
        case 63:
            return Sjis("内部エラー");
        default:
            return std::to_string(byte);
    }
}

std::string SetField(std::uint8_t byte) {
    if ((byte >> 6) == 0) {
        return Sjis("設定1");
    }
    if ((byte >> 6) == 1) {
        return Sjis("設定2");
    }
    return std::to_string(byte & 0xC0);
}

std::string KindField(std::uint8_t kind) {
    switch (kind) {
        case 0:
            return Sjis("FeliCaカード");
        case 17:
            return Sjis("docomo(モバイルFeliCa 1.0)");
        case 18:
            return Sjis("docomo(モバイルFeliCa 2.0)");
        case 26:
            return Sjis("docomoスマートフォン(モバイルFelica 2.0)");
        case 33:
            return Sjis("docomo以外(モバイルFeliCa 1.0)");
        case 50:
            return Sjis("au(モバイルFeliCa 2.0)");
        case 58:
            return Sjis("auスマートフォン(モバイルFelica 2.0)");
        case 66:
            return Sjis("Softbank(モバイルFeliCa 2.0)");
        case 74:
            return Sjis("Softbankスマートフォン(モバイルFelica 2.0)");
        case 82:
            return Sjis("WILLCOM(モバイルFeliCa 2.0)");
        case 146:
            return Sjis("その他(モバイルFeliCa 2.0)");
        case 255:
            return Sjis("Felica種別判別失敗");
        default:
            return std::to_string(kind);
    }
}

std::string ExpectedLine(const Detection& d, int number) {
    char head[96];
    std::snprintf(head, sizeof head, "%d,%016llx,%d/%02d/%02d %02d:%02d:%02d,", number,
                  static_cast<unsigned long long>(d.felicaId), 2000 + d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return head + ResultField(d.resultByte) + "," + SetField(d.resultByte) + "," +
           KindField(d.kind) + "," + std::to_string(d.boot) + "," + std::to_string(d.seconds) +
           "," + std::to_string(d.touches) + "," + std::to_string(d.cumulative) + "\r\n";
}

std::string ExpectedInvalidLine(const RecordBytes& r, int number) {
    std::string hex;
    for (std::uint8_t b : r) {
        char two[3];
        std::snprintf(two, sizeof two, "%02x", b);
        hex += two;
    }
    return std::to_string(number) + "," + Sjis("このレコードにデータの不整合があります。(") + hex +
           ")\r\n";
}

const std::string kHeader = Sjis(
    "No.,FeliCa ID,日時,機能実行結果,設定区別,FeliCa種別,起動カウンタ,秒カウンタ,"
    "タッチカウンタ,累積タッチカウンタ\r\n");

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
    EXPECT_EQ(DetectionLogCsvLine(r, 12), "12,0123456789abcdef,2009/12/31 23:59:58," +
                                              Sjis("FeliCaカード検出") + "," + Sjis("設定2") +
                                              ",32,4294967297,4294967295,65535,1\r\n");
    d.resultByte = 0x05;
    EXPECT_NE(DetectionLogCsvLine(Encode(d), 1).find(",5," + Sjis("設定1") + ",32,"),
              std::string::npos);
    d.resultByte = 0x45;
    EXPECT_NE(DetectionLogCsvLine(Encode(d), 1).find(",69," + Sjis("設定2") + ","),
              std::string::npos);
    d.resultByte = 0xBF;  // internal error in the third set bits
    EXPECT_NE(DetectionLogCsvLine(Encode(d), 1).find("," + Sjis("内部エラー") + ",128,"),
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
                              Sjis("機能実行成功") + "," + Sjis("設定1") + "," +
                              Sjis("FeliCaカード") + ",0,0,0,0\r\n");
}

}  // namespace
}  // namespace morvik
