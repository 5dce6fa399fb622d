#pragma once
// The six texts of the main window's information panel ("機器情報"), code page 932.

#include <string>

namespace morvik {

struct DeviceInfo {
    std::string productName;      // 製品名
    std::string terminalId;       // 端末ID
    std::string firmwareVersion;  // ファームウェアバージョン
    std::string bootCounter;      // 起動カウンタ (boot + watchdog restarts)
    std::string touchCounter;     // 累積タッチカウンタ ("-" on a Slim)
    std::string clock;            // 時刻 ("20" + the terminal's date and time)
    bool operator==(const DeviceInfo&) const = default;
};

// The panel as the clipboard receives it: six lines in screen order, each the label, ":" and the
// field's text, followed by CR LF (code page 932).
std::string DeviceInfoClipboardText(const DeviceInfo& info);

}  // namespace morvik
