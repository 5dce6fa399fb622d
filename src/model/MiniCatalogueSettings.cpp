#include "model/MiniCatalogueSettings.h"

#include <array>

#include "model/Pack.h"
#include "model/Validators.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr size_t kAuthCodeLength = 4;
// pow values in the order of the operation mode list: 電源による自動切り換え, 常にエコモード,
// 常に常時起動.
constexpr std::array<int, 3> kOperationModeValues = {2, 3, 0};

// A number-checked value and its decimal reading; std::nullopt when the check fails.
std::optional<int> NumberOf(std::string_view text) {
    if (!IsNumber(text)) {
        return std::nullopt;
    }
    return ParseDecimal(text);
}

}  // namespace

MiniTerminalRead DecodeMiniTerminalSettings(const MiniTerminalValues& values,
                                            MiniTerminalSettings& settings) {
    MiniTerminalRead read;
    // rslt and fchg get the number check only: a terminal holding a value outside the list (a
    // newer firmware's mode) stays readable, and the value travels back unchanged on a write.
    std::optional<int> rslt = NumberOf(values.rslt);
    std::optional<int> tlog = NumberOf(values.tlog);
    std::optional<int> fchg = NumberOf(values.fchg);
    std::optional<int> rtcc = NumberOf(values.rtcc);
    int powIndex = IsNumber(values.pow) ? OperationModeIndex(ParseDecimal(values.pow)) : -1;
    int failed = !rslt          ? ids::kCardDetectionInvalid
                 : !tlog        ? ids::kTouchLogInvalid
                 : !fchg        ? ids::kSettingSwitchInvalid
                 : !rtcc        ? ids::kClockCheckInvalid
                 : powIndex < 0 ? ids::kOperationModeInvalid
                                : 0;
    if (failed != 0) {
        read.error = res::TextCp932(failed);
        return read;
    }
    settings.cardDetection = *rslt;
    settings.settingSwitch = *fchg;
    settings.touchLog = *tlog != 0;
    settings.clockCheck = *rtcc != 0;
    settings.operationMode = powIndex;
    if (std::optional<std::string> code = UnpackAuthCode(values.isc)) {
        settings.authCode = *code;
    } else if (IsPackedEmptyAuthCode(values.isc)) {
        // A terminal or a file without a code: the field stays empty and nothing is wrong. (The
        // tool saves an empty code packed; warning about it would flag every such file.)
        settings.authCode.clear();
    } else {
        settings.authCode.clear();
        read.warnings.push_back(res::TextCp932(ids::kAuthCodeInvalid) + "\r\n");
    }
    return read;
}

std::vector<std::pair<int, std::string>> EncodeMiniTerminalSettings(
    const MiniTerminalSettings& settings) {
    std::vector<std::pair<int, std::string>> out;
    out.emplace_back(ids::kKeyRslt, std::to_string(settings.cardDetection));
    out.emplace_back(ids::kKeyFchg, std::to_string(settings.settingSwitch));
    out.emplace_back(ids::kKeyTlog, settings.touchLog ? "1" : "0");
    out.emplace_back(ids::kKeyPow, std::to_string(OperationModeValue(settings.operationMode)));
    if (!settings.authCode.empty()) {
        out.emplace_back(ids::kKeyIsc, settings.authCode);
    }
    out.emplace_back(ids::kKeyRtcc, settings.clockCheck ? "1" : "0");
    return out;
}

int OperationModeValue(int listIndex) {
    if (listIndex < 0 || listIndex >= static_cast<int>(kOperationModeValues.size())) {
        return -1;
    }
    return kOperationModeValues[static_cast<size_t>(listIndex)];
}

int OperationModeIndex(int value) {
    for (size_t i = 0; i < kOperationModeValues.size(); ++i) {
        if (kOperationModeValues[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::vector<std::string> ValidateAuthCode(std::string_view code) {
    std::vector<std::string> messages;
    if (!code.empty() && !IsNumber(code)) {
        messages.push_back(res::TextCp932(ids::kAuthCodeInvalid));
    }
    if (!code.empty() && code.size() != kAuthCodeLength) {
        messages.push_back(res::TextCp932(ids::kAuthCodeLengthInvalid));
    }
    return messages;
}

std::optional<std::string> UnpackAuthCode(std::string_view packed) {
    std::string code = Unpack(packed);
    if (code.size() != kAuthCodeLength || !IsHexadecimal(code)) {
        return std::nullopt;
    }
    return code;
}

bool IsPackedEmptyAuthCode(std::string_view packed) {
    if (packed.find_first_not_of(" \r\n") == std::string_view::npos) {
        return true;
    }
    std::optional<std::string> compressed = Base64Decode(packed);
    if (!compressed) {
        return false;
    }
    std::optional<std::string> code = Inflate(*compressed, kAuthCodeLength);
    return code && code->empty();
}

std::string PackAuthCode(std::string_view code) {
    return PackBase64(code);
}

std::string PadAuthCode(std::string_view code) {
    std::string padded(code);
    if (padded.size() < kAuthCodeLength) {
        padded.insert(0, kAuthCodeLength - padded.size(), '0');
    }
    return padded;
}

}  // namespace morvik
