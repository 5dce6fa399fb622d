#include "model/MiniCatalogue.h"

#include <array>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;
using E = MiniEditor;
using V = MiniValueKind;

constexpr std::array kCatalogue = {
    // Function settings
    MiniParameter{ids::kKeyPsA1, ids::kCodePsA1, E::FunctionPages, V::FunctionRecord, 1, 0},
    MiniParameter{ids::kKeyPsB1, ids::kCodePsB1, E::FunctionPages, V::FunctionRecord, 1, 0},
    MiniParameter{ids::kKeyPsA2, ids::kCodePsA2, E::FunctionPages, V::FunctionRecord, 2, 0},
    MiniParameter{ids::kKeyPsB2, ids::kCodePsB2, E::FunctionPages, V::FunctionRecord, 2, 0},
    MiniParameter{ids::kKeyQue1, ids::kCodeQue1, E::FunctionPages, V::QueryFlags, 1, 0},
    MiniParameter{ids::kKeyQue2, ids::kCodeQue2, E::FunctionPages, V::QueryFlags, 2, 0},
    MiniParameter{ids::kKeyPsA1KanaId, 0, E::SettingsFileOnly, V::TorucaExtra, 1, 0},
    MiniParameter{ids::kKeyPsA1ReId, 0, E::SettingsFileOnly, V::TorucaExtra, 1, 0},
    MiniParameter{ids::kKeyPsA1ColorId, 0, E::SettingsFileOnly, V::TorucaExtra, 1, 0},
    MiniParameter{ids::kKeyPsA2KanaId, 0, E::SettingsFileOnly, V::TorucaExtra, 2, 0},
    MiniParameter{ids::kKeyPsA2ReId, 0, E::SettingsFileOnly, V::TorucaExtra, 2, 0},
    MiniParameter{ids::kKeyPsA2ColorId, 0, E::SettingsFileOnly, V::TorucaExtra, 2, 0},
    // Sounds: s + event (o success, n failure, p periodic guidance) + power (v AC/cable,
    // b battery) + set
    MiniParameter{ids::kKeySov1, ids::kCodeSov1, E::SoundPage, V::Sound, 1, 0},
    MiniParameter{ids::kKeySnv1, ids::kCodeSnv1, E::SoundPage, V::Sound, 1, 0},
    MiniParameter{ids::kKeySpv1, ids::kCodeSpv1, E::SoundPage, V::Sound, 1, 0},
    MiniParameter{ids::kKeySob1, ids::kCodeSob1, E::SoundPage, V::Sound, 1, 0},
    MiniParameter{ids::kKeySnb1, ids::kCodeSnb1, E::SoundPage, V::Sound, 1, 0},
    MiniParameter{ids::kKeySpb1, ids::kCodeSpb1, E::SoundPage, V::Sound, 1, 0},
    MiniParameter{ids::kKeySov2, ids::kCodeSov2, E::SoundPage, V::Sound, 2, 0},
    MiniParameter{ids::kKeySnv2, ids::kCodeSnv2, E::SoundPage, V::Sound, 2, 0},
    MiniParameter{ids::kKeySpv2, ids::kCodeSpv2, E::SoundPage, V::Sound, 2, 0},
    MiniParameter{ids::kKeySob2, ids::kCodeSob2, E::SoundPage, V::Sound, 2, 0},
    MiniParameter{ids::kKeySnb2, ids::kCodeSnb2, E::SoundPage, V::Sound, 2, 0},
    MiniParameter{ids::kKeySpb2, ids::kCodeSpb2, E::SoundPage, V::Sound, 2, 0},
    MiniParameter{ids::kKeySov1Path, 0, E::SettingsFileOnly, V::SoundPath, 1, 0},
    MiniParameter{ids::kKeySnv1Path, 0, E::SettingsFileOnly, V::SoundPath, 1, 0},
    MiniParameter{ids::kKeySpv1Path, 0, E::SettingsFileOnly, V::SoundPath, 1, 0},
    MiniParameter{ids::kKeySob1Path, 0, E::SettingsFileOnly, V::SoundPath, 1, 0},
    MiniParameter{ids::kKeySnb1Path, 0, E::SettingsFileOnly, V::SoundPath, 1, 0},
    MiniParameter{ids::kKeySpb1Path, 0, E::SettingsFileOnly, V::SoundPath, 1, 0},
    MiniParameter{ids::kKeySov2Path, 0, E::SettingsFileOnly, V::SoundPath, 2, 0},
    MiniParameter{ids::kKeySnv2Path, 0, E::SettingsFileOnly, V::SoundPath, 2, 0},
    MiniParameter{ids::kKeySpv2Path, 0, E::SettingsFileOnly, V::SoundPath, 2, 0},
    MiniParameter{ids::kKeySob2Path, 0, E::SettingsFileOnly, V::SoundPath, 2, 0},
    MiniParameter{ids::kKeySnb2Path, 0, E::SettingsFileOnly, V::SoundPath, 2, 0},
    MiniParameter{ids::kKeySpb2Path, 0, E::SettingsFileOnly, V::SoundPath, 2, 0},
    MiniParameter{ids::kKeySoundRegist, 0, E::SettingsFileOnly, V::SoundRegister, 0, 0},
    // Lamps: l + event (o success, n failure, i idle, p periodic guidance) + power + set
    MiniParameter{ids::kKeyLov1, ids::kCodeLov1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLnv1, ids::kCodeLnv1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLiv1, ids::kCodeLiv1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLob1, ids::kCodeLob1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLnb1, ids::kCodeLnb1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLib1, ids::kCodeLib1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLov2, ids::kCodeLov2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLnv2, ids::kCodeLnv2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLiv2, ids::kCodeLiv2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLob2, ids::kCodeLob2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLnb2, ids::kCodeLnb2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLib2, ids::kCodeLib2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLpv1, ids::kCodeLpv1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLpb1, ids::kCodeLpb1, E::LampPage, V::Lamp, 1, 0},
    MiniParameter{ids::kKeyLpv2, ids::kCodeLpv2, E::LampPage, V::Lamp, 2, 0},
    MiniParameter{ids::kKeyLpb2, ids::kCodeLpb2, E::LampPage, V::Lamp, 2, 0},
    // Periodic guidance
    MiniParameter{ids::kKeyPnt, ids::kCodePnt, E::GuidancePage, V::Guidance, 0, 0},
    MiniParameter{ids::kKeyPntT, ids::kCodePntT, E::GuidancePage, V::GuidanceTimes, 0, 0},
    // Terminal settings
    MiniParameter{ids::kKeyRslt, ids::kCodeRslt, E::TerminalPage, V::ListIndex, 0,
                  ids::kCardDetectionInvalid},
    MiniParameter{ids::kKeyFchg, ids::kCodeFchg, E::TerminalPage, V::ListIndex, 0,
                  ids::kSettingSwitchInvalid},
    MiniParameter{ids::kKeyTlog, ids::kCodeTlog, E::TerminalPage, V::CheckBox, 0,
                  ids::kTouchLogInvalid},
    MiniParameter{ids::kKeyPow, ids::kCodePow, E::TerminalPage, V::OperationMode, 0,
                  ids::kOperationModeInvalid},
    MiniParameter{ids::kKeyIsc, ids::kCodeIsc, E::TerminalPage, V::AuthCode, 0,
                  ids::kAuthCodeInvalid},
    MiniParameter{ids::kKeyRtcc, ids::kCodeRtcc, E::TerminalPage, V::CheckBox, 0,
                  ids::kClockCheckInvalid},
};

}  // namespace

std::span<const MiniParameter> MiniCatalogue() {
    return kCatalogue;
}

const MiniParameter* FindMiniParameter(std::string_view key) {
    for (const MiniParameter& parameter : kCatalogue) {
        if (res::TextCp932(parameter.keyId) == key) {
            return &parameter;
        }
    }
    return nullptr;
}

const MiniParameter* FindMiniParameterById(int keyId) {
    for (const MiniParameter& parameter : kCatalogue) {
        if (parameter.keyId == keyId) {
            return &parameter;
        }
    }
    return nullptr;
}

std::string MiniKeyText(const MiniParameter& parameter) {
    return res::TextCp932(parameter.keyId);
}

std::string MiniWriteErrorCode(const MiniParameter& parameter) {
    return parameter.codeId != 0 ? res::TextCp932(parameter.codeId) : std::string();
}

}  // namespace morvik
