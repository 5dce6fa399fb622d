// Time to save, load and validate the largest Mini/MiniS settings file the tool writes: browser
// messages that escaping doubles on every page, the longest lamp patterns and twelve distinct
// sound paths of 259 double-byte characters.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/MiniFamilySettingsFile.h"
#include "model/Cp932.h"
#include "model/FunctionRecordValidate.h"

namespace {

using namespace morvik;
using Clock = std::chrono::steady_clock;

MiniSettings LargestSettings() {
    MiniSettings m;
    m.terminal.authCode = "9999";
    for (FunctionSet& set : m.sets) {
        for (GroupFunctions* group : {&set.docomo, &set.other}) {
            group->Select(BrowserRecord{"h", std::string(record_limits::kBrowserMessage, '\\')});
        }
    }
    for (auto& row : m.lamps.sets) {
        row.fill("8" + std::string(20, '7'));
    }
    m.lamps.guidance.fill("8" + std::string(20, '7'));
    const std::string so = Utf8ToCp932Lossy("ソ");
    for (std::size_t slot = 0; slot < m.soundPaths.size(); ++slot) {
        std::string path = "C:";
        for (int k = 0; k < 252; ++k) {
            path += so;
        }
        m.soundPaths[slot] = path + static_cast<char>('a' + slot) + ".wav";
    }
    return m;
}

double MicrosPer(Clock::duration total, int runs) {
    return std::chrono::duration<double, std::micro>(total).count() / runs;
}

}  // namespace

int main() {
    const MiniSettings largest = LargestSettings();
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("morvik_settings_bench_" + std::to_string(getpid()) + ".dat");
    constexpr int kRuns = 500;

    std::string message;
    auto start = Clock::now();
    for (int i = 0; i < kRuns; ++i) {
        if (!SaveMiniSettingsFile(path, largest, message)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
    }
    const auto saveTime = Clock::now() - start;

    std::size_t messages = 0;
    start = Clock::now();
    for (int i = 0; i < kRuns; ++i) {
        MiniSettings loaded;
        MiniReadResult read = LoadMiniSettingsFile(path, loaded);
        if (read.Failed() || !(loaded == largest)) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
        messages += read.warnings.size() + ValidateMiniSettings(loaded).size();
    }
    const auto loadTime = Clock::now() - start;

    std::printf("largest Mini/MiniS settings file: %ju bytes\n",
                static_cast<std::uintmax_t>(std::filesystem::file_size(path)));
    std::printf("save:               %8.1f us per file (%d runs)\n", MicrosPer(saveTime, kRuns),
                kRuns);
    std::printf("load and validate:  %8.1f us per file (%d runs, %zu messages)\n",
                MicrosPer(loadTime, kRuns), kRuns, messages);
    std::filesystem::remove(path);
    return 0;
}
