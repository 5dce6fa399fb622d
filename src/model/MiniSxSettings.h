#pragma once
// The whole settings content of a MiniSx terminal, as its detailed settings window holds it: the
// function records of the basic settings (set 1) and of the smartphone settings (set 2), the
// smartphone detection, the NFC smartphone settings, the time check, the eight lamps and the six
// sounds. A MiniSx has no card detection, touch log, operation mode, authentication code or
// periodic guidance, and in set 2 only the KelTouch completion sounds and lamps.
//
//   MiniValues values = ...;                  // "pget"/"ndef g u" replies or file values, by key
//   MiniSxSettings settings;
//   MiniReadResult read = ReadMiniSxSettings(values, MiniValueSource::Terminal, settings);
//   std::vector<std::string> problems = ValidateMiniSxSettings(settings);  // before a write
//   MiniSxWriteValues(settings)   // "pset"/"pclr" of a detailed write, in order
//   NdefWriteLine(settings.nfc)   // then the NDEF write
//   MiniSxFileValues(settings)    // the lines of a settings file, in order
//
// Every text is code page 932; messages carry no line end (MessageLines joins them).

#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/FunctionRecordSet.h"
#include "model/LampSettings.h"
#include "model/MiniSettings.h"
#include "model/MiniSxAdditions.h"
#include "model/SoundSlots.h"

namespace morvik {

struct MiniSxSettings {
    std::array<FunctionSet, 2> sets;       // basic settings (psA1, psB1, que1), smartphone (…2)
    MiniSxSmartphoneDetection smartphone;  // fchg, smp
    MiniSxNfcSettings nfc;                 // nfc, nque, the NDEF record's URL
    bool clockCheck = false;               // rtcc
    // User patterns in the order of kMiniSxLampKeyIds; encoded when written.
    MiniSxLamps lamps;
    // One wave file path per slot in the order of kMiniSxSoundKeyIds (empty = no sound), and
    // 音声を登録する.
    std::array<std::string, kMiniSxSoundSlots> soundPaths;
    bool registerSounds = false;

    bool operator==(const MiniSxSettings&) const = default;
};

// The key a read and a settings file use for the NDEF text ("ndef_url"); a terminal answers it
// to "ndef g u" instead of "pget".
int MiniSxNdefKeyId();

// The keys of a read, in the order they are read; the NDEF text (MiniSxNdefKeyId) stands
// where it is read, after "nque".
std::span<const int> MiniSxReadKeyIds();
// The keys only a settings file holds: the Toruca identifiers, six sound paths, sound_regist.
std::span<const int> MiniSxFileOnlyKeyIds();

// Takes every value into settings, with every check of a read:
//  1. a value that is a failure reply ends the read (904), settings untouched;
//  2. smartphone detection (366), NFC (375, 379, 967, 917, 916) and time check (327): warnings,
//     each bad value replaced by its fallback;
//  3. function records and queries of set 1, then set 2: a record its group cannot show is
//     911 from a terminal and ends a file read (914); field messages and 961 are warnings;
//  4. lamps as one group (993, a warning);
//  5. from a file only: the six sound paths and sound_regist.
MiniReadResult ReadMiniSxSettings(const MiniValues& values, MiniValueSource source,
                                  MiniSxSettings& settings);

// What a detailed write sends with "pset" (or "pclr" for an empty value), in order: rtcc;
// psA1, psB1, que1, sov1, snv1, sob1, snb1, lov1, lnv1, liv1, lob1, lnb1, lib1; fchg, smp;
// psA2, psB2, que2, sov2, sob2, lov2, lob2; nfc. The sound keys only with registration. The
// NDEF write (NdefWriteLine) follows; "nque" travels in it and is never sent on its own.
std::vector<MiniKeyValue> MiniSxWriteValues(const MiniSxSettings& settings);

// What a settings file stores, in the file's line order (header and "ver" excluded).
std::vector<MiniKeyValue> MiniSxFileValues(const MiniSxSettings& settings);

// The messages before a write or a save, all at once: set 1's pages, set 2's pages, then the
// NFC page (browser mode only). Empty when the settings may be written.
std::vector<std::string> ValidateMiniSxSettings(const MiniSxSettings& settings);

// What stops a write with registered sounds before anything is sent: 907, 116 or 339 as for
// the Mini. Empty when the sounds are not registered or can be packed.
std::vector<std::string> CheckMiniSxSounds(const MiniSxSettings& settings);

}  // namespace morvik
