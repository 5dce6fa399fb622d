#pragma once
// Names of the string table's entries (res/Strings.h): res::Text(ids::kReadFailed) and
// res::TextCp932(ids::kCmdPget) instead of bare numbers. Numbers below 1000 are the ones the
// system has always used; 2000-2999 are the system's texts that had none (see StringTable.cpp).
// The command-line tool's (3000-3999) and the desktop tool's (4000-4999) own entries are named
// in their own files.
//
// Where a text is quoted in more than one place, use the numbered entry: the exchange's read
// failure is kReadFailed (904), a file that cannot be opened kFileOpenFailed (907), a settings
// file that cannot be loaded kSettingsFileInvalid (914), every error box's caption kErrorCaption
// (900). kUploadTimeout (120) and kSerialTimeout (903) share one text; the sound upload uses 120.
//
// Prefixes: kCmd command words sent to a terminal, kReply reply words, kKey parameter keys (the
// same text serves the command and the settings file), kCode write error codes shown after
// kWriteChecksumError, kPref preferences file, kTrc Toruca file, kCsv detection log CSV, kMenu
// menu items.

namespace morvik::res::ids {

// Application, main window and common captions (given numbers)
inline constexpr int kAppName = 100;
inline constexpr int kAboutMenuItem = 101;
inline constexpr int kServiceSettingsCaption = 109;
inline constexpr int kButtonClose = 131;
inline constexpr int kButtonAbort = 132;
inline constexpr int kReadingCaption = 142;
inline constexpr int kWritingCaption = 143;
inline constexpr int kBytes = 147;
inline constexpr int kPrefSection = 191;
inline constexpr int kErrorCaption = 900;

// File dialog filters and settings-file headers (given numbers)
inline constexpr int kSlimFileHeader = 103;
inline constexpr int kMiniFileHeader = 291;
inline constexpr int kMiniSxFileHeader = 363;
inline constexpr int kSettingsFileFilter = 112;
inline constexpr int kMaintenanceFileFilter = 113;
inline constexpr int kTorucaFileFilter = 114;
inline constexpr int kDetectionLogFileFilter = 279;
inline constexpr int kWaveFileFilter = 340;
inline constexpr int kMaintenanceSeparator = 158;

// Sound messages (given numbers)
inline constexpr int kSoundFileInvalid = 116;
inline constexpr int kSoundEmptySlotsConfirm = 118;
inline constexpr int kNoticeCaption = 119;
inline constexpr int kUploadTimeout = 120;
inline constexpr int kSoundNotRegisteredConfirm = 121;
inline constexpr int kSoundWillRegisterNote = 124;
inline constexpr int kSoundNotRegisteredNote = 125;
inline constexpr int kSoundWrittenOnWriteNote = 286;
inline constexpr int kSoundTotalTooLarge = 339;
inline constexpr int kSoundUploadFailed = 361;

// Function record field messages (given numbers)
inline constexpr int kIpIdTooLong = 173;
inline constexpr int kKanaIdTooLong = 174;
inline constexpr int kReIdTooLong = 175;
inline constexpr int kColorIdTooLong = 176;
inline constexpr int kAppParamInvalidChars = 177;
inline constexpr int kAppTotalTooLarge = 178;
inline constexpr int kAppCodeInvalidChars = 272;
inline constexpr int kAppCodeTooLong = 273;
inline constexpr int kAppParamTooLong = 274;
inline constexpr int kKanaIdInvalid = 346;
inline constexpr int kIpIdInvalidChars = 356;
inline constexpr int kReIdInvalidChars = 357;
inline constexpr int kColorIdInvalidChars = 358;
inline constexpr int kAppUrlInvalidChars = 359;
inline constexpr int kAppUrlTooLong = 360;
inline constexpr int kFunctionInvalid = 911;
inline constexpr int kBrowserTotalTooLarge = 912;
inline constexpr int kTorucaTotalTooLarge = 913;
inline constexpr int kUrlInvalidChars = 916;
inline constexpr int kUrlTooLong = 917;
inline constexpr int kUrlEmpty = 918;
inline constexpr int kMailerTotalTooLarge = 919;
inline constexpr int kBrowserMessageInvalidChars = 921;
inline constexpr int kBrowserMessageTooLong = 922;
inline constexpr int kTorucaUrlInvalidChars = 926;
inline constexpr int kTorucaUrlTooLong = 927;
inline constexpr int kTorucaUrlEmpty = 928;
inline constexpr int kCategoryIconInvalid = 931;
inline constexpr int kCategoryIconTooLong = 932;
inline constexpr int kData1InvalidChars = 936;
inline constexpr int kData1TooLong = 937;
inline constexpr int kData2InvalidChars = 941;
inline constexpr int kData2TooLong = 942;
inline constexpr int kData3InvalidChars = 946;
inline constexpr int kData3TooLong = 947;
inline constexpr int kMailToTooLong = 948;
inline constexpr int kMailCcTooLong = 949;
inline constexpr int kMailSubjectTooLong = 950;
inline constexpr int kMailBodyTooLong = 951;
inline constexpr int kMailerMessageTooLong = 952;
inline constexpr int kMailToEmpty = 953;
inline constexpr int kMailToInvalidChars = 954;
inline constexpr int kMailCcInvalidChars = 955;
inline constexpr int kMailSubjectInvalidChars = 956;
inline constexpr int kMailBodyInvalidChars = 957;
inline constexpr int kMailerMessageInvalidChars = 958;
inline constexpr int kQueryInvalid = 961;
inline constexpr int kUrlQueryEnding = 962;
inline constexpr int kTorucaUrlQueryEnding = 963;

// Lamp and periodic guidance messages and captions (given numbers)
inline constexpr int kUserPatternInvalid = 182;
inline constexpr int kGuidanceUseInvalid = 183;
inline constexpr int kGuidanceStartInvalid = 184;
inline constexpr int kGuidanceEndInvalid = 185;
inline constexpr int kGuidanceIntervalInvalid = 186;
inline constexpr int kLampSet1Caption = 322;
inline constexpr int kLampSet2Caption = 323;
inline constexpr int kLampValueInvalidInGroup = 388;
inline constexpr int kGuidanceSettings = 389;
inline constexpr int kSet1 = 390;
inline constexpr int kSet2 = 391;
inline constexpr int kLampValueInvalid = 993;

// Terminal settings and session messages (given numbers)
inline constexpr int kWriteDoneRebooted = 188;
inline constexpr int kAuthCodeInvalid = 215;
inline constexpr int kAuthCodeLengthInvalid = 259;
inline constexpr int kCardDetectionInvalid = 317;
inline constexpr int kTouchLogInvalid = 318;
inline constexpr int kSettingSwitchInvalid = 319;
inline constexpr int kOperationModeInvalid = 320;
inline constexpr int kClockCheckInvalid = 327;
inline constexpr int kSerialTimeout = 903;
inline constexpr int kReadFailed = 904;
inline constexpr int kWriteFailed = 905;
inline constexpr int kFileOpenFailed = 907;
inline constexpr int kSettingsFileInvalid = 914;
inline constexpr int kTorucaFileInvalid = 915;
inline constexpr int kWriteChecksumError = 964;
inline constexpr int kTooManySettingsWindows = 965;
inline constexpr int kBodySettingsInvalid = 966;
inline constexpr int kWriteDoneCaption = 412;
inline constexpr int kWriteDoneRestart = 413;
inline constexpr int kReadDoneCaption = 414;
inline constexpr int kReadDone = 415;
inline constexpr int kNotThisEditionsTerminal = 386;
inline constexpr int kWriteSettingsCaption = 387;
inline constexpr int kMiniNotFound = 347;

// Mini/MiniS and MiniSx editor captions (given numbers)
inline constexpr int kMiniDetailedCaption = 196;
inline constexpr int kMiniSxDetailedCaption = 362;
inline constexpr int kMiniSelectModeCaption = 364;
inline constexpr int kMiniSxSelectModeCaption = 365;
inline constexpr int kCopySet1ToSet2Confirm = 288;
inline constexpr int kCopySet2ToSet1Confirm = 289;
inline constexpr int kCopyCaption = 290;
inline constexpr int kCopied = 338;

// MiniSx messages and keys (given numbers)
inline constexpr int kSmartphoneDetectionInvalid = 366;
inline constexpr int kNfcDetectionInvalid = 375;
inline constexpr int kNfcBrowserQueryInvalid = 379;
inline constexpr int kNfcFormatUnreadable = 967;
inline constexpr int kKeySmp = 367;
inline constexpr int kKeyNfc = 368;
inline constexpr int kKeyNque = 378;
inline constexpr int kCmdNdef = 382;
inline constexpr int kKeyNdefUrl = 385;

// Maintenance information and detection log (given numbers)
inline constexpr int kMaintenanceIntro = 301;
inline constexpr int kMaintenanceSaving = 302;
inline constexpr int kMaintenanceSaved = 303;
inline constexpr int kMaintenanceCancelled = 304;
inline constexpr int kMaintenanceTimeout = 305;
inline constexpr int kMaintenanceCancelling = 306;
inline constexpr int kDetectionLogFailed = 311;
inline constexpr int kDetectionLogEmpty = 314;
inline constexpr int kDetectionLogCaption = 315;
inline constexpr int kDetectionLogSaved = 316;
inline constexpr int kDetectionLogSaving = 332;
inline constexpr int kDetectionLogTimeout = 334;
inline constexpr int kDetectionLogCancelled = 337;
inline constexpr int kDetectionLogDone = 282;
inline constexpr int kDetectionLogDoneCaption = 283;

// Slim editor (given numbers)
inline constexpr int kFunction = 401;
inline constexpr int kSlimFunction1Description = 407;
inline constexpr int kSlimAutoDiscriminationDescription = 408;
inline constexpr int kBrowserLaunch = 417;
inline constexpr int kNttDocomoSummary = 426;
inline constexpr int kOthersSummary = 427;
inline constexpr int kTorucaDistribution = 428;
inline constexpr int kMailerLaunch = 429;
inline constexpr int kOn = 430;
inline constexpr int kOff = 431;

// Slim parameter keys and write error codes (given numbers)
inline constexpr int kKeyVer = 503;
inline constexpr int kKeyFunc = 510;
inline constexpr int kKeyQue = 511;
inline constexpr int kKeyPsh1 = 512;
inline constexpr int kKeyPsh2 = 513;
inline constexpr int kKeyDisp = 516;
inline constexpr int kCodeFunc = 971;
inline constexpr int kCodeDisp = 972;
inline constexpr int kCodePsh1 = 974;
inline constexpr int kCodePsh2 = 975;
inline constexpr int kCodeQue = 979;

// Reply words (given numbers)
inline constexpr int kCmdExit = 519;
inline constexpr int kReplyError = 520;
inline constexpr int kReplyNoReply = 521;
inline constexpr int kReplyDone = 522;
inline constexpr int kReplyChecksumError = 523;

// Start-up, About, options and port search
inline constexpr int kAboutCaption = 2000;
inline constexpr int kAboutVersionPrefix = 2001;
inline constexpr int kOptionsCaption = 2002;
inline constexpr int kOptionsComPortLabel = 2003;
inline constexpr int kComPortFormat = 2004;
inline constexpr int kPortSearch = 2005;
inline constexpr int kOptionsCloseAfterWrite = 2006;
inline constexpr int kButtonOk = 2007;
inline constexpr int kButtonCancel = 2008;
inline constexpr int kPortNumberInvalid = 2009;
inline constexpr int kPortSearchCaption = 2010;
inline constexpr int kTerminalNotFound = 2011;
inline constexpr int kPortSearchDone = 2012;
inline constexpr int kPortSearchDoneCaption = 2013;

// Preferences file (folder, file and keys; the section is kPrefSection)
inline constexpr int kPrefFolder = 2030;
inline constexpr int kPrefFileName = 2031;
inline constexpr int kPrefSerialPortNum = 2032;
inline constexpr int kPrefCloseCheck = 2033;
inline constexpr int kPrefServiceBrowserUrl = 2034;
inline constexpr int kPrefServiceBrowserMessage = 2035;
inline constexpr int kPrefServiceTorucaUrl = 2036;
inline constexpr int kPrefServiceTorucaIcon = 2037;
inline constexpr int kPrefServiceTorucaIconDefault = 2038;
inline constexpr int kPrefUserLamp1 = 2039;
inline constexpr int kPrefUserLamp2 = 2040;
inline constexpr int kPrefUserLamp3 = 2041;

// Main window: information panel, menu and messages
inline constexpr int kDeviceInfo = 2050;
inline constexpr int kProductName = 2051;
inline constexpr int kTerminalId = 2052;
inline constexpr int kFirmwareVersion = 2053;
inline constexpr int kBootCounter = 2054;
inline constexpr int kCumulativeTouchCounter = 2055;
inline constexpr int kClock = 2056;
inline constexpr int kInfoCopySeparator = 2057;
inline constexpr int kMenuOpenSettingsFile = 2060;
inline constexpr int kMenuExit = 2061;
inline constexpr int kMenuCopyDeviceInfo = 2062;
inline constexpr int kMenuOptions = 2063;
inline constexpr int kMenuReadDeviceInfo = 2064;
inline constexpr int kMenuChangeSettings = 2065;
inline constexpr int kMenuSaveMaintenance = 2066;
inline constexpr int kMenuUpdateFirmware = 2067;
inline constexpr int kMenuGetDetectionLog = 2068;
inline constexpr int kMenuEraseDetectionLog = 2069;
inline constexpr int kMenuSetClock = 2070;
inline constexpr int kMenuAbout = 2071;
inline constexpr int kReadDeviceInfo = 2075;
inline constexpr int kChangeSettings = 2076;
inline constexpr int kOpenSettingsFile = 2077;
inline constexpr int kComPortOpenFailed = 2080;
inline constexpr int kConnectFailed = 2081;
inline constexpr int kSlimEcoModeNotice = 2082;
inline constexpr int kStartCommunicationCaption = 2083;
inline constexpr int kSlimSettingsCaption = 2084;
inline constexpr int kMemoryAllocationFailed = 2085;
inline constexpr int kEraseDetectionLogConfirm = 2086;
inline constexpr int kEraseDetectionLogCaption = 2087;
inline constexpr int kDetectionLogErased = 2088;
inline constexpr int kClockSet = 2089;
inline constexpr int kClockSetCaption = 2090;
inline constexpr int kComPortPermissionDenied = 2098;

// Command words sent to a terminal (exit is kCmdExit, ndef is kCmdNdef)
inline constexpr int kCmdPget = 2100;
inline constexpr int kCmdPset = 2101;
inline constexpr int kCmdPclr = 2102;
inline constexpr int kCmdLget = 2103;
inline constexpr int kCmdVer = 2104;
inline constexpr int kCmdRtcGet = 2105;
inline constexpr int kCmdRtcSet = 2106;
inline constexpr int kCmdDlogGet = 2107;
inline constexpr int kCmdDlog = 2108;
inline constexpr int kCmdDlogErase = 2109;
inline constexpr int kCmdNdefSet = 2110;
inline constexpr int kCmdNdefGetUrlArg = 2111;
inline constexpr int kCmdPowerSave0 = 2112;
inline constexpr int kCmdReboot = 2113;
inline constexpr int kCmdRebootS = 2114;
inline constexpr int kCmdUploadPrefix = 2115;
inline constexpr int kCmdTcnt = 2116;
inline constexpr int kOpeningLineMini = 2117;
inline constexpr int kOpeningLineSlim = 2118;
inline constexpr int kRtcSetArgsFormat = 2119;
inline constexpr int kDlogCountMarker = 2120;
inline constexpr int kPromptReady = 2125;
inline constexpr int kPromptHash = 2126;

// Identification reply ("ver", "rtc get") and what the panel shows without a value
inline constexpr int kIdKeyProductSlim = 2150;
inline constexpr int kIdKeyProductMini = 2151;
inline constexpr int kIdKeyTid = 2152;
inline constexpr int kIdKeyVersionSlim = 2153;
inline constexpr int kIdKeyVersionMini = 2154;
inline constexpr int kIdKeyBoot = 2155;
inline constexpr int kIdKeyWdog = 2156;
inline constexpr int kModelSlim = 2157;
inline constexpr int kModelSlimN = 2158;
inline constexpr int kModelMini = 2159;
inline constexpr int kVersionGen1 = 2160;
inline constexpr int kVersionGen3 = 2161;
inline constexpr int kVersionGen4 = 2162;
inline constexpr int kRtcOk = 2163;
inline constexpr int kCenturyPrefix = 2164;
inline constexpr int kClockUnknown = 2165;
inline constexpr int kNoTouchCounter = 2166;

// Mini-family parameter keys (MiniSx additions are kKeySmp, kKeyNfc, kKeyNque, kKeyNdefUrl; func
// and disp are kKeyFunc, kKeyDisp)
inline constexpr int kKeyPsA1 = 2200;
inline constexpr int kKeyPsB1 = 2201;
inline constexpr int kKeyPsA2 = 2202;
inline constexpr int kKeyPsB2 = 2203;
inline constexpr int kKeyQue1 = 2204;
inline constexpr int kKeyQue2 = 2205;
inline constexpr int kKeyPsA1KanaId = 2206;
inline constexpr int kKeyPsA1ReId = 2207;
inline constexpr int kKeyPsA1ColorId = 2208;
inline constexpr int kKeyPsA2KanaId = 2209;
inline constexpr int kKeyPsA2ReId = 2210;
inline constexpr int kKeyPsA2ColorId = 2211;
inline constexpr int kKeySov1 = 2215;
inline constexpr int kKeySnv1 = 2216;
inline constexpr int kKeySpv1 = 2217;
inline constexpr int kKeySob1 = 2218;
inline constexpr int kKeySnb1 = 2219;
inline constexpr int kKeySpb1 = 2220;
inline constexpr int kKeySov2 = 2221;
inline constexpr int kKeySnv2 = 2222;
inline constexpr int kKeySpv2 = 2223;
inline constexpr int kKeySob2 = 2224;
inline constexpr int kKeySnb2 = 2225;
inline constexpr int kKeySpb2 = 2226;
inline constexpr int kKeySov1Path = 2230;
inline constexpr int kKeySnv1Path = 2231;
inline constexpr int kKeySpv1Path = 2232;
inline constexpr int kKeySob1Path = 2233;
inline constexpr int kKeySnb1Path = 2234;
inline constexpr int kKeySpb1Path = 2235;
inline constexpr int kKeySov2Path = 2236;
inline constexpr int kKeySnv2Path = 2237;
inline constexpr int kKeySpv2Path = 2238;
inline constexpr int kKeySob2Path = 2239;
inline constexpr int kKeySnb2Path = 2240;
inline constexpr int kKeySpb2Path = 2241;
inline constexpr int kKeySoundRegist = 2242;
inline constexpr int kKeyLov1 = 2245;
inline constexpr int kKeyLnv1 = 2246;
inline constexpr int kKeyLiv1 = 2247;
inline constexpr int kKeyLob1 = 2248;
inline constexpr int kKeyLnb1 = 2249;
inline constexpr int kKeyLib1 = 2250;
inline constexpr int kKeyLov2 = 2251;
inline constexpr int kKeyLnv2 = 2252;
inline constexpr int kKeyLiv2 = 2253;
inline constexpr int kKeyLob2 = 2254;
inline constexpr int kKeyLnb2 = 2255;
inline constexpr int kKeyLib2 = 2256;
inline constexpr int kKeyLpv1 = 2257;
inline constexpr int kKeyLpb1 = 2258;
inline constexpr int kKeyLpv2 = 2259;
inline constexpr int kKeyLpb2 = 2260;
inline constexpr int kKeyPnt = 2262;
inline constexpr int kKeyPntT = 2263;
inline constexpr int kKeyRslt = 2265;
inline constexpr int kKeyFchg = 2266;
inline constexpr int kKeyTlog = 2267;
inline constexpr int kKeyPow = 2268;
inline constexpr int kKeyIsc = 2269;
inline constexpr int kKeyRtcc = 2270;
inline constexpr int kKeyDpsw = 2275;

// Write error codes of the Mini-family keys (shown after kWriteChecksumError)
inline constexpr int kCodePsA1 = 2300;
inline constexpr int kCodePsB1 = 2301;
inline constexpr int kCodePsA2 = 2302;
inline constexpr int kCodePsB2 = 2303;
inline constexpr int kCodeQue1 = 2304;
inline constexpr int kCodeQue2 = 2305;
inline constexpr int kCodeSov1 = 2310;
inline constexpr int kCodeSnv1 = 2311;
inline constexpr int kCodeSpv1 = 2312;
inline constexpr int kCodeSob1 = 2313;
inline constexpr int kCodeSnb1 = 2314;
inline constexpr int kCodeSpb1 = 2315;
inline constexpr int kCodeSov2 = 2316;
inline constexpr int kCodeSnv2 = 2317;
inline constexpr int kCodeSpv2 = 2318;
inline constexpr int kCodeSob2 = 2319;
inline constexpr int kCodeSnb2 = 2320;
inline constexpr int kCodeSpb2 = 2321;
inline constexpr int kCodeLov1 = 2322;
inline constexpr int kCodeLnv1 = 2323;
inline constexpr int kCodeLiv1 = 2324;
inline constexpr int kCodeLob1 = 2325;
inline constexpr int kCodeLnb1 = 2326;
inline constexpr int kCodeLib1 = 2327;
inline constexpr int kCodeLov2 = 2328;
inline constexpr int kCodeLnv2 = 2329;
inline constexpr int kCodeLiv2 = 2330;
inline constexpr int kCodeLob2 = 2331;
inline constexpr int kCodeLnb2 = 2332;
inline constexpr int kCodeLib2 = 2333;
inline constexpr int kCodeLpv1 = 2334;
inline constexpr int kCodeLpb1 = 2335;
inline constexpr int kCodeLpv2 = 2336;
inline constexpr int kCodeLpb2 = 2337;
inline constexpr int kCodePnt = 2338;
inline constexpr int kCodePntT = 2339;
inline constexpr int kCodeRslt = 2340;
inline constexpr int kCodeFchg = 2341;
inline constexpr int kCodeTlog = 2342;
inline constexpr int kCodePow = 2343;
inline constexpr int kCodeIsc = 2344;
inline constexpr int kCodeRtcc = 2345;
inline constexpr int kCodeSmp = 2346;
inline constexpr int kCodeNfc = 2347;
inline constexpr int kCodeNdef = 2348;

// Standard sounds and the firmware file filter
inline constexpr int kWaveFolder = 2350;
inline constexpr int kStandardSoundOk = 2351;
inline constexpr int kStandardSoundNg = 2352;
inline constexpr int kStandardSoundKelFin = 2353;
inline constexpr int kFirmwareFileFilter = 2355;

// Function pages: function and query selectors, field labels, size counter
inline constexpr int kApplicationLaunch = 2400;
inline constexpr int kQueryEncrypted = 2401;
inline constexpr int kQueryPlain = 2402;
inline constexpr int kQueryNone = 2403;
inline constexpr int kQueryOn = 2404;
inline constexpr int kEncryptQuery = 2405;
inline constexpr int kQueryLabel = 2406;
inline constexpr int kDefaultKanaId = 2407;
inline constexpr int kFieldUrl = 2410;
inline constexpr int kFieldMessage = 2411;
inline constexpr int kFieldTorucaUrl = 2412;
inline constexpr int kFieldCategoryIcon = 2413;
inline constexpr int kFieldData1 = 2414;
inline constexpr int kFieldData2 = 2415;
inline constexpr int kFieldData3 = 2416;
inline constexpr int kFieldIpId = 2417;
inline constexpr int kFieldKanaId = 2418;
inline constexpr int kFieldReId = 2419;
inline constexpr int kFieldColorId = 2420;
inline constexpr int kFieldAppCode = 2421;
inline constexpr int kFieldAppParam = 2422;
inline constexpr int kFieldMailTo = 2423;
inline constexpr int kFieldMailCc = 2424;
inline constexpr int kFieldMailSubject = 2425;
inline constexpr int kFieldMailBody = 2426;
inline constexpr int kTotalSize = 2430;
inline constexpr int kTotalSizeFormat = 2431;
inline constexpr int kOpenTorucaFile = 2432;
inline constexpr int kDocomoGroup = 2433;
inline constexpr int kOtherCarriersGroup = 2434;

// Toruca file keys
inline constexpr int kTrcType = 2450;
inline constexpr int kTrcTypeSnip = 2451;
inline constexpr int kTrcUrl = 2452;
inline constexpr int kTrcCat = 2453;
inline constexpr int kTrcData1 = 2454;
inline constexpr int kTrcData2 = 2455;
inline constexpr int kTrcData3 = 2456;
inline constexpr int kTrcIpId = 2457;
inline constexpr int kTrcSortId = 2458;
inline constexpr int kTrcDist = 2459;
inline constexpr int kTrcColorId = 2460;

// Lamp dialogs: pattern lists, colours, presets, rows
inline constexpr int kPatternUnchanged = 2500;
inline constexpr int kPatternFixed1 = 2501;
inline constexpr int kPatternFixed2 = 2502;
inline constexpr int kPatternFixed3 = 2503;
inline constexpr int kPatternFixed4 = 2504;
inline constexpr int kPatternFixed5 = 2505;
inline constexpr int kPatternFixed6 = 2506;
inline constexpr int kPatternUser1 = 2507;
inline constexpr int kPatternUser2 = 2508;
inline constexpr int kPatternUser3 = 2509;
inline constexpr int kPatternOff = 2510;
inline constexpr int kIdlePatternFixed1 = 2511;
inline constexpr int kIdlePatternFixed2 = 2512;
inline constexpr int kIdlePatternFixed3 = 2513;
inline constexpr int kIdlePatternFixed4 = 2514;
inline constexpr int kColorRed = 2520;
inline constexpr int kColorBlue = 2521;
inline constexpr int kColorGreen = 2522;
inline constexpr int kColorPurple = 2523;
inline constexpr int kColorYellow = 2524;
inline constexpr int kColorLightBlue = 2525;
inline constexpr int kColorWhite = 2526;
inline constexpr int kLampPresetUnchanged = 2530;
inline constexpr int kLampPresetBlue = 2531;
inline constexpr int kLampPresetGreen = 2532;
inline constexpr int kLampPresetRainbow = 2533;
inline constexpr int kLampPresetOff = 2534;
inline constexpr int kLamp = 2540;
inline constexpr int kLampColorLabel = 2541;
inline constexpr int kLampPatternLabel = 2542;
inline constexpr int kLampResultLabel = 2543;
inline constexpr int kUserLampCaption = 2544;
inline constexpr int kUserLampPattern1 = 2545;
inline constexpr int kUserLampPattern2 = 2546;
inline constexpr int kUserLampPattern3 = 2547;
inline constexpr int kEditUserPatterns = 2548;
inline constexpr int kGuidanceLampCaption = 2549;
inline constexpr int kPowerAc = 2550;
inline constexpr int kPowerBattery = 2551;
inline constexpr int kRowSuccess = 2552;
inline constexpr int kRowSuccessMarked = 2553;
inline constexpr int kRowFailure = 2554;
inline constexpr int kRowIdle = 2555;
inline constexpr int kKelTouchLampNote = 2556;
inline constexpr int kLampGroupSeparator = 2557;
// A lamp row in the warning of a read: the group, then the power box and the row (or, for the
// periodic guidance, the set and the box). Kept with the desktop tool's numbers
// (res/AppStrings.cpp), which the warnings of a read share with the command-line tool.
inline constexpr int kLampRowName = 4504;
// Where a message of a detailed window's check belongs: "設定1 / docomo設定: ..." and
// "本体設定: ..." (res/AppStrings.cpp, as kLampRowName).
inline constexpr int kPlaceInGroup = 4506;
inline constexpr int kPlaceInTab = 4507;

// Periodic guidance page
inline constexpr int kGuidanceFunction = 2570;
inline constexpr int kGuidanceUse = 2571;
inline constexpr int kGuidanceDontUse = 2572;
inline constexpr int kGuidanceStart = 2573;
inline constexpr int kGuidanceEnd = 2574;
inline constexpr int kGuidanceInterval = 2575;

// Sound dialog and sound choices
inline constexpr int kSound = 2600;
inline constexpr int kRegisterSounds = 2601;
inline constexpr int kSetStandardSounds = 2602;
inline constexpr int kBrowse = 2603;
inline constexpr int kSoundSuccess = 2604;
inline constexpr int kSoundSuccessMarked = 2605;
inline constexpr int kSoundFailure = 2606;
inline constexpr int kSoundGuidance = 2607;
inline constexpr int kSoundExplanationMini = 2608;
inline constexpr int kSoundExplanationMiniSx = 2609;
inline constexpr int kKelTouchSoundNote = 2610;
inline constexpr int kSoundFileOpenFailed = 2611;
inline constexpr int kSoundFileSizeFailed = 2612;
inline constexpr int kSoundChoiceUnchanged = 2615;
inline constexpr int kSoundChoiceStandard = 2616;
inline constexpr int kSoundChoiceSilent = 2617;

// Mini/MiniS editor windows and the terminal settings page
inline constexpr int kEasySettings = 2650;
inline constexpr int kDetailedSettings = 2651;
inline constexpr int kBodySettings = 2652;
inline constexpr int kCardDetection = 2653;
inline constexpr int kCardDetectionFailureDisplay = 2654;
inline constexpr int kCardDetectionSuccessDisplay = 2655;
inline constexpr int kTouchLog = 2656;
inline constexpr int kOutputTouchLog = 2657;
inline constexpr int kSettingSwitch = 2658;
inline constexpr int kSwitchDisabled = 2659;
inline constexpr int kSwitchEnabled = 2660;
inline constexpr int kSwitchSmartphoneAuto = 2661;
inline constexpr int kOperationMode = 2662;
inline constexpr int kModeAutoByPower = 2663;
inline constexpr int kModeAlwaysEco = 2664;
inline constexpr int kModeAlwaysOn = 2665;
inline constexpr int kAuthCode = 2666;
inline constexpr int kClockCheck = 2667;
inline constexpr int kWriteAndReboot = 2670;
inline constexpr int kSaveToFile = 2671;
inline constexpr int kSetPcClock = 2672;
inline constexpr int kCopySet1ToSet2 = 2673;
inline constexpr int kCopySet2ToSet1 = 2674;
inline constexpr int kServiceIntro = 2675;
inline constexpr int kEncryptedQueryNote = 2676;

// Slim editor window
inline constexpr int kIdleLamp = 2700;
inline constexpr int kBuzzer = 2701;
inline constexpr int kFailureLampBuzzer = 2702;
inline constexpr int kLowVoltageBuzzer = 2703;
inline constexpr int kBodyBehaviour = 2704;
inline constexpr int kSummaryIdleLamp = 2705;
inline constexpr int kSummaryFailureLamp = 2706;
inline constexpr int kSummaryFailureBuzzer = 2707;
inline constexpr int kSummaryLowVoltageBuzzer = 2708;
inline constexpr int kSummaryOtherBuzzer = 2709;
inline constexpr int kWriteSettings = 2710;

// MiniSx editor windows
inline constexpr int kBasicSettings = 2750;
inline constexpr int kOsaifuSmartphoneSettings = 2751;
inline constexpr int kNfcSmartphoneSettings = 2752;
inline constexpr int kOsaifuSmartphoneDetection = 2753;
inline constexpr int kUseBasicSettings = 2754;
inline constexpr int kUseKelTouch = 2755;
inline constexpr int kUseOsaifuSmartphoneSettings = 2756;
inline constexpr int kNfcNotDetected = 2757;
inline constexpr int kUseBrowserLaunch = 2758;
inline constexpr int kBrowserLaunchSettings = 2759;
inline constexpr int kOpenLampSettings = 2760;
inline constexpr int kOpenSoundSettings = 2761;
inline constexpr int kFunctionExecution = 2762;
inline constexpr int kKelTouch = 2763;
inline constexpr int kRowComplete = 2764;
inline constexpr int kSoundComplete = 2765;
inline constexpr int kMiniSxEasyCaption = 2766;
inline constexpr int kMiniSxServiceCaption = 2767;
inline constexpr int kMiniSxSameBrowserNote = 2768;
inline constexpr int kNoQueryNote = 2769;
inline constexpr int kClockCheckHelp = 2770;

// Firmware update dialog
inline constexpr int kFirmwareUpdate = 2800;
inline constexpr int kFirmwareFile = 2801;
inline constexpr int kButtonNext = 2802;
inline constexpr int kButtonUpdate = 2803;
inline constexpr int kFirmwareIntro = 2804;
inline constexpr int kFirmwareSaveSettingsFirst = 2805;
inline constexpr int kFirmwareRestartMini = 2806;
inline constexpr int kFirmwareRestartSlim = 2807;
inline constexpr int kFirmwareWillUpdate = 2808;
inline constexpr int kFirmwareUpdating = 2809;
inline constexpr int kFirmwareUpdated = 2810;
inline constexpr int kFirmwareTimeout = 2811;
inline constexpr int kFirmwareFailed = 2812;
inline constexpr int kFirmwareCancelled = 2813;
inline constexpr int kFirmwareVersionLabel = 2814;
inline constexpr int kFirmwareVersionJoin = 2815;
inline constexpr int kFirmwareInvalid = 2816;

// Maintenance information and detection log dialogs
inline constexpr int kSaveMaintenance = 2850;
inline constexpr int kGetDetectionLog = 2851;
inline constexpr int kDetectionLogIntro = 2852;
inline constexpr int kMaintenanceSubSeparator = 2853;

// Detection log CSV
inline constexpr int kCsvHeader = 2900;
inline constexpr int kCsvDateTimeFormat = 2901;
inline constexpr int kCsvInconsistentRecord = 2902;
inline constexpr int kCsvInconsistentRecordEnd = 2903;
inline constexpr int kResultSuccess = 2910;
inline constexpr int kResultFelicaCard = 2911;
inline constexpr int kResultFailure02 = 2912;
inline constexpr int kResultFailure03 = 2913;
inline constexpr int kResultFailure04 = 2914;
inline constexpr int kResultInternalError = 2915;
inline constexpr int kKindFelicaCard = 2920;
inline constexpr int kKindDocomo10 = 2921;
inline constexpr int kKindDocomo20 = 2922;
inline constexpr int kKindDocomoSmartphone = 2923;
inline constexpr int kKindNonDocomo10 = 2924;
inline constexpr int kKindAu20 = 2925;
inline constexpr int kKindAuSmartphone = 2926;
inline constexpr int kKindSoftbank20 = 2927;
inline constexpr int kKindSoftbankSmartphone = 2928;
inline constexpr int kKindWillcom20 = 2929;
inline constexpr int kKindOther20 = 2930;
inline constexpr int kKindUnknown = 2931;

// The tool's own texts of the sessions
inline constexpr int kWrittenButNotRestarted = 2950;

}  // namespace morvik::res::ids
