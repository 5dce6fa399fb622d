#pragma once
// The main window's command numbers (menu and accelerators), as the settings windows and the
// tests refer to them.

namespace morvik::cmd {

inline constexpr int kReadDeviceInfo = 32771;     // 機器情報の読み込み  Ctrl+L
inline constexpr int kOpenSettingsFile = 32773;   // 機器設定ファイルを開く  Ctrl+O
inline constexpr int kExit = 32774;               // 終了
inline constexpr int kCopyDeviceInfo = 32778;     // 機器情報をコピー  Ctrl+C
inline constexpr int kChangeSettings = 32781;     // 機器設定の変更  Ctrl+R
inline constexpr int kSaveMaintenance = 32782;    // メインテナンス情報の保存  Ctrl+M
inline constexpr int kUpdateFirmware = 32783;     // ファームウェアの更新  Ctrl+F
inline constexpr int kOptions = 32784;            // オプション
inline constexpr int kAbout = 32787;              // バージョン情報
inline constexpr int kServiceSettings = 32797;    // Ctrl+S only, no menu item
inline constexpr int kGetDetectionLog = 32802;    // 検出ログの取得  Ctrl+G
inline constexpr int kEraseDetectionLog = 32805;  // 検出ログの消去  Ctrl+E
inline constexpr int kSetClock = 32806;           // パソコンの時刻に合わせる  Ctrl+T
// The tool's own commands.
inline constexpr int kOpenDetectionLog = 34000;  // 検出ログを開く
inline constexpr int kFleet = 34001;             // 一括設定  Ctrl+B

// The About entry of the window's system menu (where the platform has one).
inline constexpr int kSystemAbout = 16;

}  // namespace morvik::cmd
