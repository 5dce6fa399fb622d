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
// The 一括設定 window (many terminals at once).
inline constexpr int kAppMenuFleet = 4600;
inline constexpr int kAppFleetCaption = 4601;
inline constexpr int kAppFleetAction = 4602;
inline constexpr int kAppFleetFile = 4603;
inline constexpr int kAppFleetFolder = 4604;
inline constexpr int kAppFleetBrowse = 4605;
inline constexpr int kAppFleetCables = 4606;
inline constexpr int kAppFleetSearchCables = 4607;
inline constexpr int kAppFleetStart = 4608;
inline constexpr int kAppFleetCancel = 4609;
inline constexpr int kAppFleetRerunFailed = 4610;
inline constexpr int kAppFleetSaveReport = 4611;
inline constexpr int kAppFleetClose = 4612;
inline constexpr int kAppFleetColumnCable = 4613;
inline constexpr int kAppFleetColumnMessage = 4614;
inline constexpr int kAppFleetWriteFile = 4615;
inline constexpr int kAppFleetChooseFile = 4616;
inline constexpr int kAppFleetChooseFolder = 4617;
inline constexpr int kAppFleetNoFile = 4618;  // "%s": the file
inline constexpr int kAppFleetChooseTerminals = 4619;
inline constexpr int kAppFleetNoCables = 4620;
inline constexpr int kAppFleetCablesFound = 4621;  // "%d": the number of cables
inline constexpr int kAppFleetRunning = 4622;      // "%d": the number of terminals
inline constexpr int kAppFleetCancelling = 4623;
inline constexpr int kAppFleetReportFilter = 4624;
inline constexpr int kAppFleetEditionMini = 4625;
inline constexpr int kAppFleetEditionMiniS = 4626;
inline constexpr int kAppFleetEditionMiniSx = 4627;
inline constexpr int kAppFleetEditionSlim = 4628;
inline constexpr int kAppFleetCancelAndClose = 4629;
inline constexpr int kAppFleetAddPort = 4630;
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
// Every settings window
inline constexpr int kAppCharacterNotForTerminal = 4500;  // "%s": the characters refused
inline constexpr int kAppDiscardAndClose = 4501;          // "%s": the window's caption
inline constexpr int kAppDiscardAndExit = 4502;  // "%s": the windows' captions, one per line
// The preferences key of the folder the file dialogs last showed.
inline constexpr int kAppPrefLastFolder = 4503;
// The help text of the authentication code (本体設定).
inline constexpr int kAppAuthCodeHelp = 4505;

}  // namespace morvik::res::ids
