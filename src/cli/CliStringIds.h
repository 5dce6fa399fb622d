#pragma once
// Names of the command-line tool's own entries of the string table (res/CliStrings.cpp,
// 3000-3999). The system's texts are shared through res/StringIds.h. The exit codes' lines
// (3440-3444) are named in CliExitCodes.h.

namespace morvik::cli::ids {

// The tool: usage, options, command-line errors
inline constexpr int kCommandsHeading = 3002;
inline constexpr int kCommandHelpHint = 3003;
inline constexpr int kUnknownCommand = 3010;
inline constexpr int kUnknownOption = 3011;
inline constexpr int kOptionNeedsValue = 3012;
inline constexpr int kBadPortNumber = 3013;
inline constexpr int kPortAndDevice = 3014;
inline constexpr int kNoCommand = 3015;
inline constexpr int kExtraArguments = 3016;
inline constexpr int kSubcommandNeeded = 3017;
inline constexpr int kMessageFormat = 3020;
inline constexpr int kAskSuffix = 3021;
inline constexpr int kInterrupted = 3022;
inline constexpr int kToolUsage = 3400;
inline constexpr int kOptionsHeading = 3401;
inline constexpr int kToolNotes = 3402;
inline constexpr int kExitCodesHeading = 3403;
inline constexpr int kCommandUsage = 3404;
inline constexpr int kOptionRepeated = 3405;
inline constexpr int kCommandLineUnreadable = 3408;

// The tool's options
inline constexpr int kPortOptionHelp = 3410;
inline constexpr int kDeviceOptionHelp = 3411;
inline constexpr int kTraceOptionHelp = 3412;
inline constexpr int kQuietOptionHelp = 3413;
inline constexpr int kJsonOptionHelp = 3414;
inline constexpr int kHelpOptionHelp = 3415;
inline constexpr int kVersionOptionHelp = 3416;

// The commands' options
inline constexpr int kSetClockHelp = 3420;
inline constexpr int kYesHelp = 3421;
inline constexpr int kSearchHelp = 3422;
inline constexpr int kDryRunHelp = 3423;
inline constexpr int kWaitHelp = 3424;
inline constexpr int kUrlHelp = 3425;
inline constexpr int kMessageHelp = 3426;
inline constexpr int kSoundHelp = 3427;
inline constexpr int kLampHelp = 3428;
inline constexpr int kNoClockHelp = 3429;
inline constexpr int kFunctionHelp = 3430;
inline constexpr int kTorucaUrlHelp = 3431;
inline constexpr int kIconHelp = 3432;

// Why a port could not be opened (after the system's 2080-style first line)
inline constexpr int kOpenFailedPort = 3450;
inline constexpr int kOpenFailedPortLink = 3451;
inline constexpr int kOpenFailedNoDevice = 3452;
inline constexpr int kOpenFailedNotMapped = 3453;
inline constexpr int kOpenFailedBusy = 3454;
inline constexpr int kOpenFailedNotSerial = 3455;
inline constexpr int kOpenFailedReason = 3456;

// info
inline constexpr int kInfoSummary = 3100;
inline constexpr int kInfoHelp = 3101;
inline constexpr int kInfoFailed = 3102;

// clock
inline constexpr int kClockSummary = 3110;
inline constexpr int kClockHelp = 3111;
inline constexpr int kClockFailed = 3112;

// dlog erase
inline constexpr int kDlogEraseSummary = 3120;
inline constexpr int kDlogEraseHelp = 3121;
inline constexpr int kDlogEraseCancelled = 3122;
inline constexpr int kDlogEraseFailed = 3123;

// ports
inline constexpr int kPortsSummary = 3130;
inline constexpr int kPortsHelp = 3131;
inline constexpr int kAdapterFound = 3132;
inline constexpr int kAdapterNotFound = 3133;
inline constexpr int kPortListEntry = 3134;
inline constexpr int kPortListEmpty = 3135;
inline constexpr int kPortListUnreadable = 3136;
inline constexpr int kSearchFound = 3137;
inline constexpr int kCurrentPort = 3138;
inline constexpr int kSearchWithDevice = 3139;
inline constexpr int kPortSaved = 3460;
inline constexpr int kPortNotSaved = 3461;
inline constexpr int kPortSaveFailed = 3462;

// firmware, maint, dlog get
inline constexpr int kFirmwareSummary = 3150;
inline constexpr int kFirmwareHelp = 3151;
inline constexpr int kFileArgumentNeeded = 3152;
inline constexpr int kBadWaitTime = 3153;
inline constexpr int kNoUpdateMode = 3154;
inline constexpr int kReportedVersion = 3155;
inline constexpr int kFirmwareProgress = 3156;
inline constexpr int kFirmwareRestartMini = 3470;
inline constexpr int kFirmwareRestartSlim = 3471;
inline constexpr int kMaintSummary = 3160;
inline constexpr int kMaintHelp = 3161;
inline constexpr int kMaintProgress = 3162;
inline constexpr int kDlogGetSummary = 3170;
inline constexpr int kDlogGetHelp = 3171;
inline constexpr int kDlogGetProgress = 3172;
inline constexpr int kDiskFull = 3480;

// dlog summary
inline constexpr int kDlogSummarySummary = 3700;
inline constexpr int kDlogSummaryHelp = 3701;
inline constexpr int kBadDate = 3702;  // "%s": the date given
inline constexpr int kDatesReversed = 3703;
inline constexpr int kSummaryFile = 3704;  // "%s": the file
inline constexpr int kColumnDate = 3705;
inline constexpr int kColumnHour = 3706;
inline constexpr int kColumnTotal = 3707;
inline constexpr int kColumnCount = 3708;
inline constexpr int kColumnShare = 3709;
inline constexpr int kFromHelp = 3710;
inline constexpr int kToHelp = 3711;

// read, write, easy, service (Mini/MiniS settings)
inline constexpr int kReadSummary = 3200;
inline constexpr int kReadHelp = 3201;
inline constexpr int kSavedTo = 3202;
inline constexpr int kWriteSummary = 3210;
inline constexpr int kWriteHelp = 3211;
inline constexpr int kWriteCancelled = 3212;
inline constexpr int kEasySummary = 3220;
inline constexpr int kEasyHelp = 3221;
inline constexpr int kBadOptionValue = 3222;
inline constexpr int kTextNotForTerminal = 3223;
inline constexpr int kServiceSummary = 3230;
inline constexpr int kServiceHelp = 3231;

// fleet
inline constexpr int kFleetInfoSummary = 3750;
inline constexpr int kFleetInfoHelp = 3751;
inline constexpr int kFleetWriteSummary = 3752;
inline constexpr int kFleetWriteHelp = 3753;
inline constexpr int kFleetClockSummary = 3754;
inline constexpr int kFleetClockHelp = 3755;
inline constexpr int kFleetFirmwareSummary = 3756;
inline constexpr int kFleetFirmwareHelp = 3757;
inline constexpr int kFleetDlogGetSummary = 3758;
inline constexpr int kFleetDlogGetHelp = 3759;
inline constexpr int kFleetMaintSummary = 3760;
inline constexpr int kFleetMaintHelp = 3761;
inline constexpr int kFleetEasySummary = 3762;
inline constexpr int kFleetEasyHelp = 3763;
inline constexpr int kFleetServiceSummary = 3764;
inline constexpr int kFleetServiceHelp = 3765;
inline constexpr int kFleetPortsHelp = 3770;
inline constexpr int kFleetReportHelp = 3771;
inline constexpr int kFleetOnlyFailedHelp = 3772;
inline constexpr int kFleetBadPorts = 3773;  // "%s": the list given
inline constexpr int kFleetNoCables = 3774;
inline constexpr int kFleetPortsAndOnlyFailed = 3775;
inline constexpr int kFleetReportUnreadable = 3776;  // "%s": the file
inline constexpr int kFleetNothingFailed = 3777;     // "%s": the file
inline constexpr int kFleetReportSaveFailed = 3778;  // "%s": the file
inline constexpr int kFleetNoFolder = 3779;          // "%s": the folder
inline constexpr int kFleetColumnPort = 3780;
inline constexpr int kFleetColumnEdition = 3781;
inline constexpr int kFleetColumnTerminalId = 3782;
inline constexpr int kFleetColumnStep = 3783;
inline constexpr int kFleetColumnProgress = 3784;
inline constexpr int kFleetColumnResult = 3785;
inline constexpr int kFleetColumnSeconds = 3786;
inline constexpr int kFleetNoPortOption = 3787;
inline constexpr int kFleetWaiting = 3790;
inline constexpr int kFleetRunning = 3791;
inline constexpr int kFleetSucceeded = 3792;
inline constexpr int kFleetSkipped = 3793;
inline constexpr int kFleetFailed = 3794;
inline constexpr int kFleetInterrupted = 3795;
inline constexpr int kFleetIdentifying = 3796;
inline constexpr int kFleetSummary = 3797;  // "%d": terminals, succeeded, skipped, failed
inline constexpr int kFleetNotSucceeded = 3798;
inline constexpr int kFleetReportSaved = 3799;  // "%s": the file

// output
inline constexpr int kOutputWriteFailed = 3290;

}  // namespace morvik::cli::ids
