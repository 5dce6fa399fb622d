#pragma once
// Settings and wave files for the Mini session tests.

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "model/Cp932.h"
#include "model/MiniSettings.h"

namespace morvik::test {

inline std::string Cp932(const std::string& utf8) {
    return Utf8ToCp932Lossy(utf8);
}

// A model with every kind of record, lit and dark lamps and periodic guidance in use.
inline MiniSettings SampleSettings() {
    MiniSettings m;
    m.terminal.cardDetection = 1;
    m.terminal.settingSwitch = 2;
    m.terminal.touchLog = true;
    m.terminal.operationMode = 1;  // 常にエコモード: value 3
    m.terminal.clockCheck = false;
    m.sets[0].docomo.Select(BrowserRecord{"http://a/?", ""});
    m.sets[0].other.Select(MailerRecord{"x@y", "", "s", "b c", "m"});
    // Every field spelled: GCC 12 at -O3 takes a record assigned field by field for one whose
    // short texts may be read uninitialised (-Wmaybe-uninitialized).
    m.sets[1].docomo.Select(TorucaRecord{.detailUrl = "http://t/",
                                         .categoryIcon = "1F",
                                         .data1 = "d",
                                         .data2 = "",
                                         .data3 = "",
                                         .ipId = "",
                                         .kanaId = "",
                                         .redistributionId = "",
                                         .colorId = ""});
    m.sets[1].other.Select(ApplicationRecord{"http://app/", "abc", "p q"});
    m.lamps.sets[0][0] = "11111111111";
    m.lamps.sets[0][2] = "10000100000000";
    m.lamps.sets[1][1] = "822222000002222200000";
    m.lamps.guidance[3] = "11111111111";
    m.guidance = PeriodicGuidance{true, 9, 30, 18, 0, 3};
    return m;
}

// An 8-bit mono PCM wave file at 8 kHz with the given number of samples, counting up from seed.
inline std::string WavFile(std::size_t samples, std::uint8_t seed) {
    auto le32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                           static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    };
    auto le16 = [](std::uint16_t v) {
        return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    };
    std::string data;
    for (std::size_t i = 0; i < samples; ++i) {
        data += static_cast<char>(static_cast<std::uint8_t>(seed + i));
    }
    const auto size = static_cast<std::uint32_t>(data.size());
    return "RIFF" + le32(36 + size) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
           le32(8000) + le16(1) + le16(8) + "data" + le32(size) + data;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace morvik::test
