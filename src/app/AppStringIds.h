#pragma once
// Names of the desktop tool's own string-table entries (res/AppStrings.cpp, 4000-4999).

namespace morvik::res::ids {

inline constexpr int kAppMenuFile = 4000;
inline constexpr int kAppMenuTerminal = 4001;
inline constexpr int kAppMenuHelp = 4002;
inline constexpr int kAppWindowNotYetAvailable = 4003;  // "%s": the command's name
inline constexpr int kAppUsage = 4004;
inline constexpr int kAppUnknownOption = 4005;  // "%s": the option
inline constexpr int kAppNoDisplay = 4006;
// Start-up and end of the program.
inline constexpr int kAppOutputWriteFailed = 4700;
inline constexpr int kAppNoSingleInstance = 4701;  // "%s": the lock file, "%s": why
inline constexpr int kAppLockNotPermitted = 4702;
inline constexpr int kAppLockNoFolder = 4703;
// The Mini/MiniS settings windows.
inline constexpr int kAppHourUnit = 4100;
inline constexpr int kAppMinuteUnit = 4101;
inline constexpr int kAppMiniEasyCaption = 4102;
inline constexpr int kAppMiniServiceCaption = 4103;
// Lamp and sound dialogs
inline constexpr int kAppUserLampHelp = 4400;
inline constexpr int kAppUserLampExample = 4401;
inline constexpr int kAppPlaySound = 4402;
inline constexpr int kAppPlaySoundTip = 4403;
inline constexpr int kAppNoAudioDeviceTip = 4404;
inline constexpr int kAppLampPreviewTip = 4405;

}  // namespace morvik::res::ids
