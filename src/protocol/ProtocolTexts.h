#pragma once
// The string-table entries the protocol code sends, looks for or reports, as code page 932
// bytes, under the names the protocol code uses for them.

#include <string>

#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik::Texts {

inline const std::string& T(int id) {
    return res::TextCp932(id);
}

// Messages and captions
inline const std::string& PortOpenFailed() {
    return T(res::ids::kComPortOpenFailed);
}
inline const std::string& PortPermissionDenied() {
    return T(res::ids::kComPortPermissionDenied);
}
inline const std::string& SerialReadFailed() {
    return T(res::ids::kReadFailed);
}
inline const std::string& ConnectFailed() {
    return T(res::ids::kConnectFailed);
}
inline const std::string& FirstCommunicationCaption() {
    return T(res::ids::kStartCommunicationCaption);
}
inline const std::string& FirstCommunicationNotice() {
    return T(res::ids::kSlimEcoModeNotice);
}
inline const std::string& MiniNotFound() {
    return T(res::ids::kMiniNotFound);
}
inline const std::string& ClockSetCaption() {
    return T(res::ids::kClockSetCaption);
}
inline const std::string& ClockSetDone() {
    return T(res::ids::kClockSet);
}
inline const std::string& EraseLogCaption() {
    return T(res::ids::kEraseDetectionLogCaption);
}
inline const std::string& EraseLogQuestion() {
    return T(res::ids::kEraseDetectionLogConfirm);
}
inline const std::string& EraseLogDone() {
    return T(res::ids::kDetectionLogErased);
}

// Lines sent to a terminal
inline const std::string& DefaultMiniOpeningLine() {
    return T(res::ids::kOpeningLineMini);
}
inline const std::string& DefaultSlimOpeningLine() {
    return T(res::ids::kOpeningLineSlim);
}
inline const std::string& SlimPowerLine() {
    return T(res::ids::kCmdPowerSave0);
}
inline const std::string& RebootLine() {
    return T(res::ids::kCmdRebootS);
}
inline const std::string& VersionCommand() {
    return T(res::ids::kCmdVer);
}
inline const std::string& ClockGetCommand() {
    return T(res::ids::kCmdRtcGet);
}
inline const std::string& ClockSetCommand() {
    return T(res::ids::kCmdRtcSet);
}
inline const std::string& ClockSetArgsFormat() {
    return T(res::ids::kRtcSetArgsFormat);
}
inline const std::string& TouchCountCommand() {
    return T(res::ids::kCmdTcnt);
}
inline const std::string& EraseLogCommand() {
    return T(res::ids::kCmdDlogErase);
}
inline const std::string& ParameterSetCommand() {
    return T(res::ids::kCmdPset);
}
inline const std::string& NdefSetCommand() {
    return T(res::ids::kCmdNdefSet);
}

// The identification reply
inline const std::string& SlimModelName() {
    return T(res::ids::kModelSlim);
}
inline const std::string& MiniVersionMarker() {
    return T(res::ids::kVersionGen1);
}
inline const std::string& MiniSVersionMarker() {
    return T(res::ids::kVersionGen3);
}
inline const std::string& MiniSxVersionMarker() {
    return T(res::ids::kVersionGen4);
}
inline const std::string& SlimProductKey() {
    return T(res::ids::kIdKeyProductSlim);
}
inline const std::string& MiniProductKey() {
    return T(res::ids::kIdKeyProductMini);
}
inline const std::string& TerminalIdKey() {
    return T(res::ids::kIdKeyTid);
}
inline const std::string& SlimVersionKey() {
    return T(res::ids::kIdKeyVersionSlim);
}
inline const std::string& MiniVersionKey() {
    return T(res::ids::kIdKeyVersionMini);
}
inline const std::string& BootKey() {
    return T(res::ids::kIdKeyBoot);
}
inline const std::string& WatchdogKey() {
    return T(res::ids::kIdKeyWdog);
}
inline const std::string& ClockAccepted() {
    return T(res::ids::kRtcOk);
}
inline const std::string& CenturyPrefix() {
    return T(res::ids::kCenturyPrefix);
}
inline const std::string& ClockUnknown() {
    return T(res::ids::kClockUnknown);
}
inline const std::string& NoTouchCounter() {
    return T(res::ids::kNoTouchCounter);
}

// The information panel's labels
inline const std::string& LabelProductName() {
    return T(res::ids::kProductName);
}
inline const std::string& LabelTerminalId() {
    return T(res::ids::kTerminalId);
}
inline const std::string& LabelFirmwareVersion() {
    return T(res::ids::kFirmwareVersion);
}
inline const std::string& LabelBootCounter() {
    return T(res::ids::kBootCounter);
}
inline const std::string& LabelTouchCounter() {
    return T(res::ids::kCumulativeTouchCounter);
}
inline const std::string& LabelClock() {
    return T(res::ids::kClock);
}
inline const std::string& LabelSeparator() {
    return T(res::ids::kInfoCopySeparator);
}

}  // namespace morvik::Texts
