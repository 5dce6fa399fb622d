// What a read of a Mini/MiniS takes differently from the other Mini-family editions: its keys,
// its terminal page and periodic guidance, and its lamps by group (MiniFamilyRead.cpp reads the
// rest).

#include <array>

#include "model/MiniFamilyEdition.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array kReadKeyIds = {
    ids::kKeyPsA1, ids::kKeyPsA2, ids::kKeyPsB1, ids::kKeyPsB2, ids::kKeyQue1, ids::kKeyQue2,
    ids::kKeyRslt, ids::kKeyFchg, ids::kKeyTlog, ids::kKeyPow,  ids::kKeyRtcc, ids::kKeyPnt,
    ids::kKeyPntT, ids::kKeyIsc,  ids::kKeySov1, ids::kKeySnv1, ids::kKeySpv1, ids::kKeySob1,
    ids::kKeySnb1, ids::kKeySpb1, ids::kKeySov2, ids::kKeySnv2, ids::kKeySpv2, ids::kKeySob2,
    ids::kKeySnb2, ids::kKeySpb2, ids::kKeyLov1, ids::kKeyLnv1, ids::kKeyLiv1, ids::kKeyLpv1,
    ids::kKeyLob1, ids::kKeyLnb1, ids::kKeyLib1, ids::kKeyLpb1, ids::kKeyLov2, ids::kKeyLnv2,
    ids::kKeyLiv2, ids::kKeyLpv2, ids::kKeyLob2, ids::kKeyLnb2, ids::kKeyLib2, ids::kKeyLpb2,
};

constexpr std::array kFileOnlyKeyIds = {
    ids::kKeyPsA1KanaId, ids::kKeyPsA1ReId,    ids::kKeyPsA1ColorId, ids::kKeyPsA2KanaId,
    ids::kKeyPsA2ReId,   ids::kKeyPsA2ColorId, ids::kKeySov1Path,    ids::kKeySnv1Path,
    ids::kKeySpv1Path,   ids::kKeySob1Path,    ids::kKeySnb1Path,    ids::kKeySpb1Path,
    ids::kKeySov2Path,   ids::kKeySnv2Path,    ids::kKeySpv2Path,    ids::kKeySob2Path,
    ids::kKeySnb2Path,   ids::kKeySpb2Path,    ids::kKeySoundRegist,
};

constexpr std::array<int, kMiniSoundSlots> kSoundPathKeyIds = {
    ids::kKeySov1Path, ids::kKeySnv1Path, ids::kKeySpv1Path, ids::kKeySob1Path,
    ids::kKeySnb1Path, ids::kKeySpb1Path, ids::kKeySov2Path, ids::kKeySnv2Path,
    ids::kKeySpv2Path, ids::kKeySob2Path, ids::kKeySnb2Path, ids::kKeySpb2Path};

}  // namespace

std::span<const int> MiniReadKeyIds() {
    return kReadKeyIds;
}

std::span<const int> MiniFileOnlyKeyIds() {
    return kFileOnlyKeyIds;
}

std::span<const int> MiniEdition::SoundPathKeyIds() {
    return kSoundPathKeyIds;
}

MiniOwnPagesRead MiniEdition::ReadOwnPages(const MiniValues& values, Settings& settings) {
    MiniOwnPagesRead read;
    MiniTerminalValues terminal{
        MiniValueOf(values, ids::kKeyRslt), MiniValueOf(values, ids::kKeyFchg),
        MiniValueOf(values, ids::kKeyTlog), MiniValueOf(values, ids::kKeyPow),
        MiniValueOf(values, ids::kKeyIsc),  MiniValueOf(values, ids::kKeyRtcc)};
    MiniTerminalRead terminalRead = DecodeMiniTerminalSettings(terminal, settings.terminal);
    if (!terminalRead.error.empty()) {
        read.error = std::move(terminalRead.error);
        return read;
    }
    for (int message :
         ReadPeriodicGuidance(MiniValueOf(values, ids::kKeyPnt), MiniValueOf(values, ids::kKeyPntT),
                              settings.guidance)) {
        read.firstWarnings.push_back(res::TextCp932(message));
    }
    read.lastWarnings = std::move(terminalRead.warnings);
    return read;
}

std::string MiniEdition::ReadLamps(const MiniValues& values, Settings& settings) {
    MiniLamps codes;
    for (std::size_t set = 0; set < 2; ++set) {
        for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
            codes.sets[set][row] = MiniValueOf(values, kMiniSetLampKeyIds[set][row]);
        }
    }
    for (std::size_t i = 0; i < kGuidanceLampKeyIds.size(); ++i) {
        codes.guidance[i] = MiniValueOf(values, kGuidanceLampKeyIds[i]);
    }
    return DecodeMiniLamps(codes, settings.lamps);
}

}  // namespace morvik
