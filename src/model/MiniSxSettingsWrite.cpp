// Turning a MiniSx settings model into the values a detailed write sends and the values a
// settings file stores.

#include <array>

#include "model/FunctionRecordQuery.h"
#include "model/LampPattern.h"
#include "model/MiniFamilyEdition.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// Slots and lamps of the function results (set 1) and of the KelTouch completion (set 2), as
// index ranges into kMiniSxSoundKeyIds and kMiniSxLampKeyIds.
struct Range {
    std::size_t first, count;
};
constexpr std::array<Range, 2> kSoundsOfSet = {{{0, 4}, {4, 2}}};
constexpr std::array<Range, 2> kLampsOfSet = {{{0, 6}, {6, 2}}};

// A pattern that is no valid user pattern (none of the editors produces one) is written empty,
// so the terminal clears the lamp instead of taking garbage.
std::string LampCode(const MiniSxSettings& settings, std::size_t index) {
    const int keyId = kMiniSxLampKeyIds[index];
    return EncodeLampPattern(settings.lamps[index], IsIdleLampKey(res::TextCp932(keyId)))
        .value_or(std::string());
}

void AddLamps(MiniKeyValueList& list, const MiniSxSettings& settings, Range range) {
    for (std::size_t i = range.first; i < range.first + range.count; ++i) {
        list.Add(kMiniSxLampKeyIds[i], LampCode(settings, i));
    }
}

// The entry of the packed image that each slot plays (255 for none), as packing numbers them.
std::vector<int> SoundNumbers(const MiniSxSettings& settings) {
    return SoundKeyValues(settings.soundPaths, DistinctSoundPaths(settings.soundPaths));
}

void AddSounds(MiniKeyValueList& list, const std::vector<int>& numbers, Range range) {
    for (std::size_t i = range.first; i < range.first + range.count; ++i) {
        list.Add(kMiniSxSoundKeyIds[i], std::to_string(numbers[i]));
    }
}

void AddSet(MiniKeyValueList& list, const MiniSxSettings& settings, std::size_t set,
            const std::vector<int>& soundNumbers) {
    AddMiniSetWriteValues(list, settings.sets[set], set);
    // Without registration no sound key is sent: the keys would point at entries of an image
    // that the terminal may not hold.
    if (settings.registerSounds) {
        AddSounds(list, soundNumbers, kSoundsOfSet[set]);
    }
    AddLamps(list, settings, kLampsOfSet[set]);
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

std::vector<MiniKeyValue> MiniSxWriteValues(const MiniSxSettings& settings) {
    MiniKeyValueList list;
    const std::vector<int> soundNumbers = SoundNumbers(settings);
    list.Add(ids::kKeyRtcc, Flag(settings.clockCheck));
    AddSet(list, settings, 0, soundNumbers);
    list.Add(ids::kKeyFchg, std::to_string(settings.smartphone.mode));
    list.Add(ids::kKeySmp, std::to_string(settings.smartphone.variant));
    AddSet(list, settings, 1, soundNumbers);
    list.Add(ids::kKeyNfc, std::to_string(settings.nfc.mode));
    return list.Take();
}

std::vector<MiniKeyValue> MiniSxFileValues(const MiniSxSettings& settings) {
    MiniKeyValueList list;
    AddMiniSetFileRecords(list, settings.sets[0], 0);
    list.Add(ids::kKeyFchg, std::to_string(settings.smartphone.mode));
    list.Add(ids::kKeySmp, std::to_string(settings.smartphone.variant));
    AddMiniSetFileRecords(list, settings.sets[1], 1);
    for (std::size_t set = 0; set < kMiniSetKeys.size(); ++set) {
        list.Add(kMiniSetKeys[set].que, FormatQueryFlags(BuildQueryFlags(settings.sets[set])));
    }
    list.Add(ids::kKeyNfc, std::to_string(settings.nfc.mode));
    list.Add(ids::kKeyNque, std::to_string(settings.nfc.query));
    // The NDEF text as this tool writes it: the URL alone (option 00).
    list.Add(MiniSxNdefKeyId(), settings.nfc.url);
    const std::vector<int> soundNumbers = SoundNumbers(settings);
    for (const Range& range : kSoundsOfSet) {
        AddSounds(list, soundNumbers, range);
    }
    for (const Range& range : kLampsOfSet) {
        AddLamps(list, settings, range);
    }
    list.Add(ids::kKeyRtcc, Flag(settings.clockCheck));
    const std::span<const int> pathKeyIds = MiniSxEdition::SoundPathKeyIds();
    for (std::size_t slot = 0; slot < kMiniSxSoundSlots; ++slot) {
        list.Add(pathKeyIds[slot], settings.soundPaths[slot]);
    }
    list.Add(ids::kKeySoundRegist, Flag(settings.registerSounds));
    return list.Take();
}

}  // namespace morvik
