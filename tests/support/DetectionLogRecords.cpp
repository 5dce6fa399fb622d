#include "support/DetectionLogRecords.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "support/Files.h"
#include "support/SimProcess.h"

namespace morvik::test {
namespace {

std::uint64_t Little(const std::string& r, std::size_t at, std::size_t size) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < size; ++i) {
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(r[at + i])) << (8 * i);
    }
    return v;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char two[3];
    for (unsigned char c : bytes) {
        std::snprintf(two, sizeof two, "%02x", c);
        out += two;
    }
    return out;
}

struct Weighted {
    unsigned value;
    unsigned weight;
};

unsigned Pick(std::mt19937& rng, const std::vector<Weighted>& table) {
    unsigned total = 0;
    for (const Weighted& w : table) {
        total += w.weight;
    }
    unsigned roll = static_cast<unsigned>(rng() % total);
    for (const Weighted& w : table) {
        if (roll < w.weight) {
            return w.value;
        }
        roll -= w.weight;
    }
    return table.back().value;
}

void PutLittle(std::string& r, std::size_t at, std::uint64_t value, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        r[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::string CsvResultText(std::uint8_t resultByte) {
    switch (resultByte & 0x3F) {
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
            return std::to_string(resultByte);
    }
}

std::string CsvSetText(std::uint8_t resultByte) {
    switch (resultByte >> 6) {
        case 0:
            return Sjis("設定1");
        case 1:
            return Sjis("設定2");
        default:
            return std::to_string(resultByte & 0xC0);
    }
}

std::string CsvKindText(std::uint8_t kind) {
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

std::string CsvHeader() {
    return Sjis(
        "No.,FeliCa ID,日時,機能実行結果,設定区別,FeliCa種別,起動カウンタ,秒カウンタ,"
        "タッチカウンタ,累積タッチカウンタ\r\n");
}

std::string ExpectedCsvLine(const std::string& r, std::size_t number) {
    unsigned sum = 0;
    for (unsigned char c : r) {
        sum += c;
    }
    if (sum % 256 != 0) {
        return std::to_string(number) + "," + Sjis("このレコードにデータの不整合があります。(") +
               Hex(r) + ")\r\n";
    }
    char when[32];
    std::snprintf(when, sizeof when, "%u/%02u/%02u %02u:%02u:%02u",
                  2000u + static_cast<unsigned char>(r[8]), static_cast<unsigned char>(r[9]),
                  static_cast<unsigned char>(r[10]), static_cast<unsigned char>(r[11]),
                  static_cast<unsigned char>(r[12]), static_cast<unsigned char>(r[13]));
    const auto result = static_cast<std::uint8_t>(r[14]);
    return std::to_string(number) + "," + Hex(r.substr(0, 8)) + "," + when + "," +
           CsvResultText(result) + "," + CsvSetText(result) + "," +
           CsvKindText(static_cast<std::uint8_t>(r[15])) + "," + std::to_string(Little(r, 16, 5)) +
           "," + std::to_string(Little(r, 21, 4)) + "," + std::to_string(Little(r, 25, 2)) + "," +
           std::to_string(Little(r, 27, 4)) + "\r\n";
}

std::string ExpectedCsv(const std::vector<std::string>& records) {
    if (records.empty()) {
        return std::string();
    }
    std::string csv = CsvHeader();
    for (std::size_t k = 0; k < records.size(); ++k) {
        csv += ExpectedCsvLine(records[k], k + 1);
    }
    return csv;
}

std::vector<std::string> MakeRecords(std::size_t n, bool withInvalid) {
    static const unsigned char kResults[] = {0, 1, 2, 3, 4, 63, 5, 0x41, 0x45, 0x80, 0xC3};
    static const unsigned char kKinds[] = {0, 17, 18, 26, 33, 50, 58, 66, 74, 82, 146, 255, 0x20};
    std::vector<std::string> records;
    for (std::size_t k = 0; k < n; ++k) {
        std::string r(32, '\0');
        for (std::size_t i = 0; i < 8; ++i) {
            r[i] = static_cast<char>((k * 37 + i * 11) & 0xFF);
        }
        r[8] = static_cast<char>(9 + k % 20);
        r[9] = static_cast<char>(1 + k % 12);
        r[10] = static_cast<char>(1 + k % 28);
        r[11] = static_cast<char>(k % 24);
        r[12] = static_cast<char>(k % 60);
        r[13] = static_cast<char>((k * 7) % 60);
        r[14] = static_cast<char>(kResults[k % sizeof kResults]);
        r[15] = static_cast<char>(kKinds[k % sizeof kKinds]);
        const std::uint64_t boot = (std::uint64_t{1} << 32) + k;  // needs all five bytes
        for (std::size_t i = 0; i < 5; ++i) {
            r[16 + i] = static_cast<char>((boot >> (8 * i)) & 0xFF);
        }
        const std::uint32_t seconds = 0xF0000000u + static_cast<std::uint32_t>(k * 1000);
        for (std::size_t i = 0; i < 4; ++i) {
            r[21 + i] = static_cast<char>((seconds >> (8 * i)) & 0xFF);
            r[27 + i] = static_cast<char>(((k + 70000) >> (8 * i)) & 0xFF);
        }
        r[25] = static_cast<char>(k & 0xFF);
        r[26] = static_cast<char>(0xFF);
        unsigned sum = 0;
        for (std::size_t i = 0; i < 31; ++i) {
            sum += static_cast<unsigned char>(r[i]);
        }
        r[31] = static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF);
        if (withInvalid && k % 7 == 6) {
            r[31] = static_cast<char>(r[31] + 1);
        }
        records.push_back(r);
    }
    return records;
}

std::vector<std::string> MakeShopRecords(int days, unsigned perDay, unsigned seed) {
    using namespace std::chrono;
    static const std::vector<Weighted> kHours = {{10, 2}, {11, 4}, {12, 9}, {13, 7},
                                                 {14, 3}, {15, 3}, {16, 4}, {17, 6},
                                                 {18, 9}, {19, 7}, {20, 3}};
    static const std::vector<Weighted> kResults = {{0, 880}, {1, 50}, {2, 30},
                                                   {3, 15},  {4, 10}, {63, 5}};
    static const std::vector<Weighted> kPhones = {{26, 30}, {58, 20}, {74, 18}, {18, 10},
                                                  {50, 6},  {66, 5},  {146, 4}, {17, 2},
                                                  {33, 2},  {82, 1},  {255, 2}};
    std::mt19937 rng(seed);
    const sys_days first{year{2024} / May / 1};
    std::vector<std::string> records;
    std::uint32_t touches = 0;
    for (int d = 0; d < days; ++d) {
        const sys_days date = first + std::chrono::days{d};
        const weekday wd{date};
        if (wd == Wednesday) {
            continue;
        }
        const bool weekend = wd == Saturday || wd == Sunday;
        const unsigned count =
            (weekend ? 2 : 1) * (perDay + static_cast<unsigned>(rng() % (perDay + 1)));
        std::vector<unsigned> seconds;
        for (unsigned i = 0; i < count; ++i) {
            seconds.push_back(Pick(rng, kHours) * 3600 + static_cast<unsigned>(rng() % 3600));
        }
        std::sort(seconds.begin(), seconds.end());
        const year_month_day ymd{date};
        for (unsigned s : seconds) {
            std::string r(32, '\0');
            for (std::size_t i = 0; i < 8; ++i) {
                r[i] = static_cast<char>(rng() & 0xFF);
            }
            r[8] = static_cast<char>(static_cast<int>(ymd.year()) - 2000);
            r[9] = static_cast<char>(static_cast<unsigned>(ymd.month()));
            r[10] = static_cast<char>(static_cast<unsigned>(ymd.day()));
            r[11] = static_cast<char>(s / 3600);
            r[12] = static_cast<char>(s / 60 % 60);
            r[13] = static_cast<char>(s % 60);
            const unsigned result = Pick(rng, kResults);
            r[14] = static_cast<char>(result | (weekend ? 0x40u : 0u));
            r[15] = static_cast<char>(result == 1 ? 0 : Pick(rng, kPhones));
            ++touches;
            PutLittle(r, 16, 41, 5);
            PutLittle(r, 21, static_cast<std::uint64_t>(d) * 86400 + s, 4);
            PutLittle(r, 25, touches & 0xFFFF, 2);
            PutLittle(r, 27, 120000 + touches, 4);
            unsigned sum = 0;
            for (std::size_t i = 0; i < 31; ++i) {
                sum += static_cast<unsigned char>(r[i]);
            }
            r[31] = static_cast<char>((0x100 - (sum & 0xFF)) & 0xFF);
            records.push_back(r);
        }
    }
    return records;
}

std::string WriteRecordFile(const TempDir& dir, const std::vector<std::string>& records) {
    std::string bytes;
    for (const auto& r : records) {
        bytes += r;
    }
    const std::string path = dir.File("records.bin");
    WriteWholeFile(path, bytes);
    return path;
}

}  // namespace morvik::test
