#pragma once
// Names of the command-line tool's own entries of the string table (res/CliStrings.cpp,
// 3000-3999). The system's texts are shared through res/StringIds.h.

namespace morvik::cli::ids {

// The tool: usage, options, command-line errors
inline constexpr int kUsage = 3000;
inline constexpr int kOptionsHelp = 3001;
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

// firmware, maint, dlog get
inline constexpr int kFirmwareSummary = 3150;
inline constexpr int kFirmwareHelp = 3151;
inline constexpr int kFileArgumentNeeded = 3152;
inline constexpr int kBadWaitTime = 3153;
inline constexpr int kNoUpdateMode = 3154;
inline constexpr int kReportedVersion = 3155;
inline constexpr int kFirmwareProgress = 3156;
inline constexpr int kMaintSummary = 3160;
inline constexpr int kMaintHelp = 3161;
inline constexpr int kMaintProgress = 3162;
inline constexpr int kDlogGetSummary = 3170;
inline constexpr int kDlogGetHelp = 3171;
inline constexpr int kDlogGetProgress = 3172;

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

// output
inline constexpr int kOutputWriteFailed = 3290;

}  // namespace morvik::cli::ids
