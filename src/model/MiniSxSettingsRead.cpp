// Reading a MiniSx settings model from values: the decoding and messages of a read session, for
// a terminal's replies and for a settings file alike.

#include <array>

#include "model/MiniSxSettings.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

struct SetKeys {
    int psA, psB, que, kanaId, reId, colorId;
};
constexpr std::array<SetKeys, 2> kSetKeys = {{
    {ids::kKeyPsA1, ids::kKeyPsB1, ids::kKeyQue1, ids::kKeyPsA1KanaId, ids::kKeyPsA1ReId,
     ids::kKeyPsA1ColorId},
    {ids::kKeyPsA2, ids::kKeyPsB2, ids::kKeyQue2, ids::kKeyPsA2KanaId, ids::kKeyPsA2ReId,
     ids::kKeyPsA2ColorId},
}};

constexpr std::array<int, kMiniSXSoundSlots> kSoundPathKeyIds = {
    ids::kKeySov1Path, ids::kKeySnv1Path, ids::kKeySob1Path,
    ids::kKeySnb1Path, ids::kKeySov2Path, ids::kKeySob2Path};

std::string ValueOf(const MiniValues& values, int keyId) {
    auto it = values.find(res::TextCp932(keyId));
    return it == values.end() ? std::string() : it->second;
}

bool IsFailureReply(std::string_view value) {
    for (int word : {ids::kReplyNoReply, ids::kReplyChecksumError, ids::kReplyError}) {
        if (value.starts_with(res::TextCp932(word))) {
            return true;
        }
    }
    return false;
}

void AddWarnings(std::vector<std::string>& to, std::vector<std::string> from) {
    for (std::string& line : from) {
        // The function pages' messages may come with a line end; the list holds them without.
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        to.push_back(std::move(line));
    }
}

}  // namespace

MiniReadResult ReadMiniSXSettings(const MiniValues& values, MiniValueSource source,
                                  MiniSXSettings& settings) {
    MiniReadResult result;
    for (int keyId : MiniSXReadKeyIds()) {
        if (IsFailureReply(ValueOf(values, keyId))) {
            result.error = res::TextCp932(ids::kReadFailed);
            return result;
        }
    }

    // Work on a copy: a read that ends half-way leaves the settings as they were.
    MiniSXSettings next = settings;
    std::vector<std::string> messages;
    next.smartphone = DecodeSmartphoneDetection(ValueOf(values, ids::kKeyFchg),
                                                ValueOf(values, ids::kKeySmp), messages);
    next.nfc = DecodeNfcSettings(ValueOf(values, ids::kKeyNfc), ValueOf(values, ids::kKeyNque),
                                 ValueOf(values, MiniSXNdefKeyId()), messages);
    next.clockCheck = DecodeClockCheck(ValueOf(values, ids::kKeyRtcc), messages);
    AddWarnings(result.warnings, std::move(messages));

    for (std::size_t set = 0; set < kSetKeys.size(); ++set) {
        const SetKeys& keys = kSetKeys[set];
        std::optional<TorucaExtras> extras;
        if (source == MiniValueSource::File) {
            extras = TorucaExtras{ValueOf(values, keys.kanaId), ValueOf(values, keys.reId),
                                  ValueOf(values, keys.colorId)};
        }
        SetLoadResult loaded =
            LoadFunctionSet(next.sets[set], ValueOf(values, keys.psA), ValueOf(values, keys.psB),
                            ValueOf(values, keys.que), extras);
        if (!loaded.recordsReadable && source == MiniValueSource::File) {
            // A file whose record no page can show is not a settings file of this tool.
            result.error = res::TextCp932(ids::kSettingsFileInvalid);
            result.warnings.clear();
            return result;
        }
        AddWarnings(result.warnings, std::move(loaded.messages));
    }

    MiniSXLamps codes;
    for (std::size_t i = 0; i < kMiniSXLampCount; ++i) {
        codes[i] = ValueOf(values, kMiniSXLampKeyIds[i]);
    }
    if (std::string warning = DecodeMiniSXLamps(codes, next.lamps); !warning.empty()) {
        result.warnings.push_back(std::move(warning));
    }

    // A terminal's sound keys only say which entry of its image a slot plays; the wave files
    // themselves come from a settings file alone.
    if (source == MiniValueSource::File) {
        for (std::size_t slot = 0; slot < kMiniSXSoundSlots; ++slot) {
            next.soundPaths[slot] = ValueOf(values, kSoundPathKeyIds[slot]);
        }
        next.registerSounds = ValueOf(values, ids::kKeySoundRegist) == "1";
    }

    settings = std::move(next);
    return result;
}

}  // namespace morvik
