// Key lists and checks before a write of the MiniSx settings model.

#include "model/MiniSxSettings.h"

#include <algorithm>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::array kReadKeyIds = {
    ids::kKeyPsA1, ids::kKeyPsA2, ids::kKeyPsB1, ids::kKeyPsB2, ids::kKeyQue1, ids::kKeyQue2,
    ids::kKeyFchg, ids::kKeyRtcc, ids::kKeySmp,  ids::kKeyNfc,  ids::kKeyNque, ids::kKeyNdefUrl,
    ids::kKeySov1, ids::kKeySnv1, ids::kKeySob1, ids::kKeySnb1, ids::kKeySov2, ids::kKeySob2,
    ids::kKeyLov1, ids::kKeyLnv1, ids::kKeyLiv1, ids::kKeyLob1, ids::kKeyLnb1, ids::kKeyLib1,
    ids::kKeyLov2, ids::kKeyLob2,
};

constexpr std::array kFileOnlyKeyIds = {
    ids::kKeyPsA1KanaId,  ids::kKeyPsA1ReId,    ids::kKeyPsA1ColorId, ids::kKeyPsA2KanaId,
    ids::kKeyPsA2ReId,    ids::kKeyPsA2ColorId, ids::kKeySov1Path,    ids::kKeySnv1Path,
    ids::kKeySob1Path,    ids::kKeySnb1Path,    ids::kKeySov2Path,    ids::kKeySob2Path,
    ids::kKeySoundRegist,
};

}  // namespace

int MiniSxNdefKeyId() {
    return ids::kKeyNdefUrl;
}

std::span<const int> MiniSxReadKeyIds() {
    return kReadKeyIds;
}

std::span<const int> MiniSxFileOnlyKeyIds() {
    return kFileOnlyKeyIds;
}

std::vector<std::string> ValidateMiniSxSettings(const MiniSxSettings& settings) {
    std::vector<std::string> messages;
    for (const FunctionSet& set : settings.sets) {
        for (std::string& line : ValidateFunctionSet(set)) {
            messages.push_back(std::move(line));
        }
    }
    for (std::string& line : ValidateNfcSettings(settings.nfc)) {
        messages.push_back(std::move(line));
    }
    return messages;
}

std::vector<std::string> CheckMiniSxSounds(const MiniSxSettings& settings) {
    // The checks look at the files only, not at which slot holds them.
    MiniSettings asMini;
    asMini.registerSounds = settings.registerSounds;
    std::copy(settings.soundPaths.begin(), settings.soundPaths.end(), asMini.soundPaths.begin());
    return CheckMiniSounds(asMini);
}

}  // namespace morvik
