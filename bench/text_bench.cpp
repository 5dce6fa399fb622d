// Prints how fast the text rules run on values of the sizes a settings file holds: escaping and
// unescaping of function records, and packing of a long text (a maintenance file's size).
#include <chrono>
#include <cstdio>
#include <string>

#include "model/TextRules.h"

namespace {

template <typename Work>
void Measure(const char* name, int rounds, std::size_t bytesPerRound, Work work) {
    const auto start = std::chrono::steady_clock::now();
    std::size_t sink = 0;
    for (int i = 0; i < rounds; ++i) {
        sink += work();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-28s %8.2f us/round %8.1f MB/s (%zu)\n", name, seconds * 1e6 / rounds,
                static_cast<double>(bytesPerRound) * rounds / seconds / 1e6, sink);
}

}  // namespace

int main() {
    // A record-sized value full of the characters that escaping touches ("ソ", space, CR LF).
    std::string record;
    while (record.size() < 180) {
        record +=
            "\x83\x5C"
            "a b\\\r\n";
    }
    const std::string escaped = morvik::TransferEscape(record);
    Measure("TransferEscape 180 B", 200000, record.size(),
            [&] { return morvik::TransferEscape(record).size(); });
    Measure("Unescape 180 B", 200000, escaped.size(),
            [&] { return morvik::Unescape(escaped).size(); });
    Measure("IsDeviceText 180 B", 200000, escaped.size(),
            [&] { return static_cast<std::size_t>(morvik::IsDeviceText(escaped)); });

    std::string text;
    while (text.size() < 40000) {
        text += "2024/06/11 12:00:00 detect 0123456789ABCDEF\r\n";
    }
    const std::string packed = morvik::PackBase64(text);
    Measure("PackBase64 40 kB", 200, text.size(), [&] { return morvik::PackBase64(text).size(); });
    Measure("Unpack 40 kB", 200, text.size(), [&] { return morvik::Unpack(packed).size(); });
    return 0;
}
