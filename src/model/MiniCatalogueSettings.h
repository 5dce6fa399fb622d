#pragma once
// The six terminal settings of a Mini/MiniS terminal (the 本体設定 page): how the values on the
// wire map to the page's lists and check boxes, the checks a read applies, and the rules of the
// authentication code.
//
//   rslt  カード検出動作  list index = value (0, 1)
//   fchg  設定切り替え    list index = value (0, 1, 2)
//   tlog  タッチログ      check box, 0 or 1
//   pow   動作モード      list index 0, 1, 2 = value 2, 3, 0
//   isc   認証コード      4 characters; packed (zlib + Base64) when read or stored in a file
//   rtcc  時刻チェック    check box, 0 or 1 (any non-zero value read checks it)

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvik {

struct MiniTerminalSettings {
    int cardDetection = 0;    // rslt list index (or a value outside the list, kept as read)
    int settingSwitch = 0;    // fchg list index (or a value outside the list, kept as read)
    bool touchLog = false;    // tlog
    int operationMode = 0;    // pow list index ("電源による自動切り換え")
    std::string authCode;     // isc as typed; empty means "not set", and nothing is written
    bool clockCheck = false;  // rtcc
    bool operator==(const MiniTerminalSettings&) const = default;
};

// The values as read: "pget" replies or settings file values (isc packed).
struct MiniTerminalValues {
    std::string rslt, fchg, tlog, pow, isc, rtcc;
};

struct MiniTerminalRead {
    // The message that ends the read (317, 318, 319, 327 or 320, the first failing check in
    // the order rslt, tlog, fchg, rtcc, pow); empty when the values are sound.
    std::string error;
    // 215 (followed by CR LF) when the authentication code did not unpack to a sound code; the
    // read goes on and the code is left empty.
    std::vector<std::string> warnings;
};

// Fills settings from values read. Only when error is empty are the settings changed.
// rslt and fchg are number-checked only: a number outside their lists is kept as it is (the
// page's list then shows no entry) and a write sends it back unchanged unless the operator picks
// an entry.
MiniTerminalRead DecodeMiniTerminalSettings(const MiniTerminalValues& values,
                                            MiniTerminalSettings& settings);

// The key (string table entry) and value pairs a write sends, in order: rslt, fchg, tlog, pow,
// isc (only when the code is not empty; the 4 characters as typed), rtcc.
std::vector<std::pair<int, std::string>> EncodeMiniTerminalSettings(
    const MiniTerminalSettings& settings);

// Operation mode list index <-> pow value; -1 for a value or index that has no counterpart.
int OperationModeValue(int listIndex);
int OperationModeIndex(int value);

// Checks of the authentication code field before a write: 215 when it is not empty and fails
// the number check, 259 when it is not empty and not 4 characters long.
std::vector<std::string> ValidateAuthCode(std::string_view code);

// The code from its packed form (a "pget isc" reply or a settings file value): exactly 4
// characters that pass the hexadecimal check, or std::nullopt.
// True for a stored code that holds no code at all: an empty value, or an empty text packed.
bool IsPackedEmptyAuthCode(std::string_view packed);
std::optional<std::string> UnpackAuthCode(std::string_view packed);

// The packed form a settings file stores.
std::string PackAuthCode(std::string_view code);

// A code shorter than 4 characters as the page shows it: padded on the left with "0".
std::string PadAuthCode(std::string_view code);

}  // namespace morvik
