// What a read of a MiniSx takes differently from the other Mini-family editions: its smartphone
// detection, NFC and time check pages, its lamps as one group and its six sound paths
// (MiniFamilyRead.cpp reads the rest).

#include <array>

#include "model/MiniFamilyEdition.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array<int, kMiniSxSoundSlots> kSoundPathKeyIds = {
    ids::kKeySov1Path, ids::kKeySnv1Path, ids::kKeySob1Path,
    ids::kKeySnb1Path, ids::kKeySov2Path, ids::kKeySob2Path};

}  // namespace

std::span<const int> MiniSxEdition::SoundPathKeyIds() {
    return kSoundPathKeyIds;
}

MiniOwnPagesRead MiniSxEdition::ReadOwnPages(const MiniValues& values, Settings& settings) {
    MiniOwnPagesRead read;
    std::vector<std::string>& messages = read.firstWarnings;
    settings.smartphone = DecodeSmartphoneDetection(MiniValueOf(values, ids::kKeyFchg),
                                                    MiniValueOf(values, ids::kKeySmp), messages);
    settings.nfc =
        DecodeNfcSettings(MiniValueOf(values, ids::kKeyNfc), MiniValueOf(values, ids::kKeyNque),
                          MiniValueOf(values, MiniSxNdefKeyId()), messages);
    settings.clockCheck = DecodeClockCheck(MiniValueOf(values, ids::kKeyRtcc), messages);
    return read;
}

std::string MiniSxEdition::ReadLamps(const MiniValues& values, Settings& settings) {
    MiniSxLamps codes;
    for (std::size_t i = 0; i < kMiniSxLampCount; ++i) {
        codes[i] = MiniValueOf(values, kMiniSxLampKeyIds[i]);
    }
    return DecodeMiniSxLamps(codes, settings.lamps);
}

}  // namespace morvik
