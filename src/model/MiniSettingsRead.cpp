// Reading a Mini/MiniS settings model from values: the checks and messages of a read session,
// for a terminal's replies and for a settings file alike.

#include <array>

#include "model/MiniSettings.h"
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

// Keys of a set's function settings.
struct SetKeys {
    int psA, psB, que, kanaId, reId, colorId;
};
constexpr std::array<SetKeys, 2> kSetKeys = {{
    {ids::kKeyPsA1, ids::kKeyPsB1, ids::kKeyQue1, ids::kKeyPsA1KanaId, ids::kKeyPsA1ReId,
     ids::kKeyPsA1ColorId},
    {ids::kKeyPsA2, ids::kKeyPsB2, ids::kKeyQue2, ids::kKeyPsA2KanaId, ids::kKeyPsA2ReId,
     ids::kKeyPsA2ColorId},
}};

constexpr std::array<int, kMiniSoundSlots> kSoundPathKeyIds = {
    ids::kKeySov1Path, ids::kKeySnv1Path, ids::kKeySpv1Path, ids::kKeySob1Path,
    ids::kKeySnb1Path, ids::kKeySpb1Path, ids::kKeySov2Path, ids::kKeySnv2Path,
    ids::kKeySpv2Path, ids::kKeySob2Path, ids::kKeySnb2Path, ids::kKeySpb2Path};

std::string ValueOf(const MiniValues& values, int keyId) {
    auto it = values.find(res::TextCp932(keyId));
    return it == values.end() ? std::string() : it->second;
}

// A value that is really a failure reply of the exchange: the read cannot go on, whatever the
// key. No stored value of these keys starts with one of these words.
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
        // Warnings of the terminal page come with the session's line end; ours carry none.
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        to.push_back(std::move(line));
    }
}

}  // namespace

std::span<const int> MiniReadKeyIds() {
    return kReadKeyIds;
}

std::span<const int> MiniFileOnlyKeyIds() {
    return kFileOnlyKeyIds;
}

MiniReadResult ReadMiniSettings(const MiniValues& values, MiniValueSource source,
                                MiniSettings& settings) {
    MiniReadResult result;
    for (int keyId : kReadKeyIds) {
        if (IsFailureReply(ValueOf(values, keyId))) {
            result.error = res::TextCp932(ids::kReadFailed);
            return result;
        }
    }

    // Work on a copy: a read that ends half-way leaves the settings as they were.
    MiniSettings next = settings;
    MiniTerminalValues terminal{ValueOf(values, ids::kKeyRslt), ValueOf(values, ids::kKeyFchg),
                                ValueOf(values, ids::kKeyTlog), ValueOf(values, ids::kKeyPow),
                                ValueOf(values, ids::kKeyIsc),  ValueOf(values, ids::kKeyRtcc)};
    MiniTerminalRead terminalRead = DecodeMiniTerminalSettings(terminal, next.terminal);
    if (!terminalRead.error.empty()) {
        result.error = terminalRead.error;
        return result;
    }

    for (int message : ReadPeriodicGuidance(ValueOf(values, ids::kKeyPnt),
                                            ValueOf(values, ids::kKeyPntT), next.guidance)) {
        result.warnings.push_back(res::TextCp932(message));
    }

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

    MiniLamps codes;
    for (std::size_t set = 0; set < 2; ++set) {
        for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
            codes.sets[set][row] = ValueOf(values, kMiniSetLampKeyIds[set][row]);
        }
    }
    for (std::size_t i = 0; i < kGuidanceLampKeyIds.size(); ++i) {
        codes.guidance[i] = ValueOf(values, kGuidanceLampKeyIds[i]);
    }
    if (std::string lampWarning = DecodeMiniLamps(codes, next.lamps); !lampWarning.empty()) {
        result.warnings.push_back(std::move(lampWarning));
    }

    // Sounds cannot be read back from a terminal: its sound keys only say which entry of the
    // uploaded image a slot plays, so reading one leaves the sound list alone.
    if (source == MiniValueSource::File) {
        for (std::size_t slot = 0; slot < kMiniSoundSlots; ++slot) {
            next.soundPaths[slot] = ValueOf(values, kSoundPathKeyIds[slot]);
        }
        next.registerSounds = ValueOf(values, ids::kKeySoundRegist) == "1";
    }

    AddWarnings(result.warnings, std::move(terminalRead.warnings));
    settings = std::move(next);
    return result;
}

}  // namespace morvik
