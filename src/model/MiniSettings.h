#pragma once
// The whole settings content of a Mini or MiniS terminal, as the detailed settings window holds
// it: the terminal's own settings (本体設定), the two settings sets with their function records
// and query flags, the sixteen lamps, periodic guidance and the sound list. A plain value type:
// no widgets, no port, no files.
//
//   MiniValues values = ...;                  // "pget" replies or settings file values, by key
//   MiniSettings settings;
//   MiniReadResult read = ReadMiniSettings(values, MiniValueSource::File, settings);
//   if (read.Failed()) ...                    // read.error; settings untouched
//   // read.warnings: the values were taken, but the user must see these
//
//   std::vector<std::string> problems = ValidateMiniSettings(settings);  // before a write/save
//   for (const MiniKeyValue& kv : MiniWriteValues(settings)) ...  // "pset"/"pclr" in order
//   MiniFileValues(settings)                  // the lines of a settings file, in order
//
// Every text is code page 932. Messages carry no line end; MessageLines joins them the way a
// session's error text and the window's message box show them.

#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/FunctionRecordSet.h"
#include "model/Guidance.h"
#include "model/LampSettings.h"
#include "model/MiniCatalogueSettings.h"
#include "model/SoundSlots.h"

namespace morvik {

struct MiniSettings {
    MiniTerminalSettings terminal;    // rslt, fchg, tlog, pow, isc, rtcc
    std::array<FunctionSet, 2> sets;  // 設定1, 設定2: psA, psB and que of each
    // Lamps as user patterns (the form the lamp dialogs show); encoded when written.
    MiniLamps lamps;
    PeriodicGuidance guidance;  // pnt, pntT
    // The sound list: one wave file path per slot (empty = no sound), and 音声を登録する.
    std::array<std::string, kMiniSoundSlots> soundPaths;
    bool registerSounds = false;

    bool operator==(const MiniSettings&) const = default;
};

// Values as read, by key text. A key that is missing reads as the empty value, which then fails
// the check of its parameter where it has one.
using MiniValues = std::map<std::string, std::string, std::less<>>;

// Where values come from. A terminal cannot give back sounds, the settings-file-only keys or a
// record it cannot show without failing the whole read; a file can.
enum class MiniValueSource { Terminal, File };

// The 42 keys a read takes from a terminal (and from a file), in the order they are read.
std::span<const int> MiniReadKeyIds();
// The keys only a settings file holds: the Toruca identifiers, the sound paths, sound_regist.
std::span<const int> MiniFileOnlyKeyIds();

struct MiniReadResult {
    // The message that ended the read; empty when the values were taken. When it is set the
    // settings were left exactly as they were.
    std::string error;
    // Messages that did not stop the read (a record the page shows with its faults, lamps that
    // could not be shown, a bad authentication code ...), in the order the read met them.
    std::vector<std::string> warnings;

    bool Failed() const { return !error.empty(); }
};

// Takes every value into settings, with every check of a read session:
//  1. a value that is a failure reply ("noreply", "csumerror", "error...") ends the read (904);
//  2. rslt, tlog, fchg, rtcc, pow must pass their checks (317, 318, 319, 327, 320), or the read
//     ends;
//  3. periodic guidance: a part that fails keeps its previous value (183-186, warnings);
//  4. the function records and query flags of set 1, then set 2: a record whose kind its group
//     does not offer is warning 911 from a terminal and ends a file read (914); the field rules'
//     messages and 961 are warnings;
//  5. lamps by group (388 naming the groups, a warning);
//  6. from a file only: the twelve sound paths and sound_regist ("1" sets the flag);
//  7. the authentication code (215, a warning, leaves the code empty).
MiniReadResult ReadMiniSettings(const MiniValues& values, MiniValueSource source,
                                MiniSettings& settings);

// One parameter to write or store: the key (string table entry and text) and its value in the
// form it travels (free text in the transfer escape).
struct MiniKeyValue {
    int keyId = 0;
    std::string key;
    std::string value;
    bool operator==(const MiniKeyValue&) const = default;
};

// What a detailed write sends, in its order: rslt, fchg, tlog, pow, isc (only when a code is
// set), rtcc; psA1, psB1, que1, the six sounds and six lamps of set 1; the same for set 2; pnt,
// pntT; lpv1, lpb1, lpv2, lpb2. The sound keys are included only when the sounds are registered
// (their values are the entries of the image packed from soundPaths). A session sends each as
// "pset key value", or "pclr key" when the value is empty. Records are built for a terminal
// (empty Toruca identifiers get the terminal's defaults) and escaped whole.
std::vector<MiniKeyValue> MiniWriteValues(const MiniSettings& settings);

// What a settings file stores, in the file's line order (header and "ver" line excluded):
// records in the file form with the Toruca identifiers beside them, queries, the twelve sound
// numbers, the lamps, periodic guidance, the terminal settings (isc packed), the sound paths and
// sound_regist.
std::vector<MiniKeyValue> MiniFileValues(const MiniSettings& settings);

// The messages the detailed window shows before a write or a save, all at once and in its
// order: set 1's selected docomo page, its other page, then set 2's, then the authentication
// code (215, 259). Empty when the settings may be written.
std::vector<std::string> ValidateMiniSettings(const MiniSettings& settings);

// What stops a write with registered sounds before anything is sent: 907 for a file that
// cannot be opened, 116 for a missing or unusable wave file, 339 when the distinct files do not
// fit the terminal. Empty when the sounds are not registered or can be packed.
std::vector<std::string> CheckMiniSounds(const MiniSettings& settings);

// Messages as one text, each followed by CR LF.
std::string MessageLines(std::span<const std::string> messages);

}  // namespace morvik
