// Prints how long opening a detection log CSV of 100,000 records (or the count given) takes:
// reading and checking every line, and summing it up for the chart window and
// `morvik dlog summary`. The file is what the tool writes for such a log (a few marked records
// among them); the goal is well under a second.
//
//   dlog_read_bench [RECORDS]

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "files/DetectionLogCsv.h"
#include "files/DetectionLogCsvReader.h"
#include "model/DetectionLogSummary.h"

namespace {

using namespace morvik;
using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// count records over about three months, every 997th one damaged, in blocks as they arrive.
std::string LogCsv(long count) {
    std::mt19937 rng(5);
    std::string csv;
    std::int64_t written = 0;
    std::array<std::uint8_t, kDetectionLogRecordSize * kDetectionLogRecordsPerBlock> block{};
    for (long k = 0; k < count; ++k) {
        DetectionLogRecord::Bytes r{};
        for (std::size_t i = 0; i < 8; ++i) {
            r[i] = static_cast<std::uint8_t>(rng());
        }
        const long day = k * 90 / count;
        r[8] = 24;
        r[9] = static_cast<std::uint8_t>(1 + day / 30);
        r[10] = static_cast<std::uint8_t>(1 + day % 30);
        r[11] = static_cast<std::uint8_t>(10 + rng() % 11);
        r[12] = static_cast<std::uint8_t>(rng() % 60);
        r[13] = static_cast<std::uint8_t>(rng() % 60);
        r[14] = static_cast<std::uint8_t>(rng() % 10 == 0 ? rng() % 5 : 0);
        r[15] = static_cast<std::uint8_t>(std::array{26, 58, 74, 18, 0}[rng() % 5]);
        for (std::size_t i = 16; i < 31; ++i) {
            r[i] = static_cast<std::uint8_t>(rng());
        }
        r[31] = DetectionLogCheckByte(r);
        if (k % 997 == 996) {
            ++r[31];
        }
        std::copy(r.begin(), r.end(), block.begin() + (k % 4) * kDetectionLogRecordSize);
        if (k % 4 == 3 || k + 1 == count) {
            csv += DetectionLogBlockToCsv(block, written, count);
        }
    }
    return csv;
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    if (count <= 0) {
        std::printf("usage: dlog_read_bench [RECORDS]\n");
        return 1;
    }
    const std::string csv = LogCsv(count);
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("morvik_dlog_read_bench_" + std::to_string(getpid()) + ".csv");
    std::ofstream(path, std::ios::binary)
        .write(csv.data(), static_cast<std::streamsize>(csv.size()));

    constexpr int kRuns = 5;
    Clock::duration bestRead = Clock::duration::max();
    Clock::duration bestSummary = Clock::duration::max();
    Clock::duration first{};
    double firstCpu = 0;
    DetectionLogSummary summary;
    for (int run = 0; run < kRuns; ++run) {
        const std::clock_t cpuStart = std::clock();
        const auto start = Clock::now();
        const DetectionLogCsvContent content = ReadDetectionLogCsv(path.string());
        const auto read = Clock::now();
        summary = SummarizeDetectionLog(content.records);
        const auto done = Clock::now();
        if (content.error || static_cast<long>(content.records.size()) != count) {
            std::printf("the file was not read back: %s\n",
                        content.error ? DetectionLogCsvErrorText(*content.error).c_str() : "");
            std::filesystem::remove(path);
            return 1;
        }
        if (run == 0) {
            first = done - start;
            firstCpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        }
        bestRead = std::min(bestRead, read - start);
        bestSummary = std::min(bestSummary, done - read);
    }
    std::filesystem::remove(path);
    std::printf("detection log CSV of %ld records, %.1f MB (%lld marked as damaged)\n", count,
                static_cast<double>(csv.size()) / 1e6,
                static_cast<long long>(summary.inconsistent));
    // The processor time stays meaningful on a machine that is busy with other work.
    std::printf("open  : %.1f ms the first time (read, check every line, sum up; %.1f ms CPU)\n",
                Millis(first), firstCpu);
    std::printf("read  : %.1f ms, best of %d\n", Millis(bestRead), kRuns);
    std::printf("sum up: %.1f ms, best of %d (%zu days)\n", Millis(bestSummary), kRuns,
                summary.perDay.size());
    return 0;
}
