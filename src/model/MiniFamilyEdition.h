#pragma once
// The Mini-family editions below the windows: what the read, the write and the settings file of
// a Mini/MiniS and of a MiniSx do differently, as one small type each. The Mini-family code that
// takes one of them as its Edition (ReadMiniFamilySettings, the settings file, the read and write
// sessions) is written once: failure replies, the two function sets, sound paths from a file,
// the sound image and the order of a session's steps are the same for every edition.
//
//   struct Edition {
//       using Settings = ...;
//       ReadKeyIds()        the keys a read takes, in its order
//       FileOnlyKeyIds()    the keys only a settings file holds
//       SoundPathKeyIds()   the file keys of the sound paths, one per slot
//       ReadOwnPages(values, settings)  the edition's own pages (see MiniOwnPagesRead)
//       ReadLamps(values, settings)     the lamps; a warning, or empty
//       WriteValues(settings)           what a detailed write sends, in order
//       FileValues(settings)            what a settings file stores, in order
//       CheckSounds(settings)           what stops a write with registered sounds
//       NdefRecord(settings)            the NDEF record a detailed write ends with, or nullptr
//   };

#include <array>
#include <span>
#include <string>
#include <vector>

#include "model/MiniSettings.h"
#include "model/MiniSxSettings.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

// The keys of the function settings of set 1 and set 2, the same in every edition.
struct MiniSetKeys {
    int psA, psB, que, kanaId, reId, colorId;
};
inline constexpr std::array<MiniSetKeys, 2> kMiniSetKeys = {{
    {res::ids::kKeyPsA1, res::ids::kKeyPsB1, res::ids::kKeyQue1, res::ids::kKeyPsA1KanaId,
     res::ids::kKeyPsA1ReId, res::ids::kKeyPsA1ColorId},
    {res::ids::kKeyPsA2, res::ids::kKeyPsB2, res::ids::kKeyQue2, res::ids::kKeyPsA2KanaId,
     res::ids::kKeyPsA2ReId, res::ids::kKeyPsA2ColorId},
}};

// The values of a write or a file in their order, each with its key's text.
class MiniKeyValueList {
  public:
    void Add(int keyId, std::string value) {
        list_.push_back({keyId, res::TextCp932(keyId), std::move(value)});
    }
    std::vector<MiniKeyValue> Take() { return std::move(list_); }

  private:
    std::vector<MiniKeyValue> list_;
};

// What a detailed write sends for a set's functions: psA and psB (records for a terminal,
// escaped whole), then que.
void AddMiniSetWriteValues(MiniKeyValueList& list, const FunctionSet& functions, std::size_t set);
// What a settings file stores for them: psA, its three Toruca identifiers, psB (file records).
void AddMiniSetFileRecords(MiniKeyValueList& list, const FunctionSet& functions, std::size_t set);

// What a read takes from the pages only one edition has (the Mini's terminal page and periodic
// guidance, the MiniSx's smartphone, NFC and time check pages).
struct MiniOwnPagesRead {
    // The message that ends the read; empty when it goes on.
    std::string error;
    // Warnings shown before those of the function sets, and after every other one.
    std::vector<std::string> firstWarnings;
    std::vector<std::string> lastWarnings;
};

struct MiniEdition {
    using Settings = MiniSettings;
    static constexpr auto ReadKeyIds = &MiniReadKeyIds;
    static constexpr auto FileOnlyKeyIds = &MiniFileOnlyKeyIds;
    static std::span<const int> SoundPathKeyIds();
    // rslt, tlog, fchg, rtcc and pow end the read when they fail their checks; periodic
    // guidance warns first, the authentication code last.
    static MiniOwnPagesRead ReadOwnPages(const MiniValues& values, Settings& settings);
    // The lamps by group (388 naming the groups).
    static std::string ReadLamps(const MiniValues& values, Settings& settings);
    static constexpr auto WriteValues = &MiniWriteValues;
    static constexpr auto FileValues = &MiniFileValues;
    static constexpr auto CheckSounds = &CheckMiniSounds;
    static const MiniSxNfcSettings* NdefRecord(const Settings&) { return nullptr; }
};

struct MiniSxEdition {
    using Settings = MiniSxSettings;
    static constexpr auto ReadKeyIds = &MiniSxReadKeyIds;
    static constexpr auto FileOnlyKeyIds = &MiniSxFileOnlyKeyIds;
    static std::span<const int> SoundPathKeyIds();
    // Smartphone detection, NFC and time check: bad values warn and fall back, never ending
    // the read.
    static MiniOwnPagesRead ReadOwnPages(const MiniValues& values, Settings& settings);
    // The lamps as one group (993).
    static std::string ReadLamps(const MiniValues& values, Settings& settings);
    static constexpr auto WriteValues = &MiniSxWriteValues;
    static constexpr auto FileValues = &MiniSxFileValues;
    static constexpr auto CheckSounds = &CheckMiniSxSounds;
    static const MiniSxNfcSettings* NdefRecord(const Settings& settings) { return &settings.nfc; }
};

// The value of a key among values read; empty when the key is missing.
std::string MiniValueOf(const MiniValues& values, int keyId);

// Takes every value into settings, with every check of a read of the edition: a value that is a
// failure reply ends the read (904) before anything is taken; then the edition's own pages, the
// function records and queries of set 1 and set 2 (a record its group cannot show is 911 from a
// terminal and ends a file read with 914), the lamps, and from a file only the sound paths and
// sound_regist. A read that ends leaves settings exactly as they were. Defined for MiniEdition and
// MiniSxEdition (ReadMiniSettings, ReadMiniSxSettings).
template <class Edition>
MiniReadResult ReadMiniFamilySettings(const MiniValues& values, MiniValueSource source,
                                      typename Edition::Settings& settings);

// The write error code that names a key in a checksum-failure message of any Mini-family write:
// the Mini catalogue's code, or the MiniSx's own "(367)" smp, "(368)" nfc and "(382)" for the
// NDEF write (key "ndef"); empty when the key has none.
std::string MiniFamilyWriteErrorCode(const std::string& key);

}  // namespace morvik
