// Turning a Mini/MiniS settings model into the values a detailed write sends and the values a
// settings file stores.

#include <algorithm>
#include <array>

#include "model/Escape.h"
#include "model/FunctionRecordQuery.h"
#include "model/LampPattern.h"
#include "model/MiniFamilyEdition.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

constexpr std::size_t kSoundSlotsPerSet = 6;

// The device code of a lamp; a pattern that is no valid user pattern (none of the editors
// produces one) is written empty, so the terminal clears the lamp instead of taking garbage.
std::string LampCode(const std::string& pattern, bool idle) {
    return EncodeLampPattern(pattern, idle).value_or(std::string());
}

void AddSetLamps(MiniKeyValueList& list, const MiniSettings& settings, std::size_t set) {
    for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
        list.Add(kMiniSetLampKeyIds[set][row],
                 LampCode(settings.lamps.sets[set][row], IsIdleLampRow(row)));
    }
}

void AddGuidanceLamp(MiniKeyValueList& list, const MiniSettings& settings, std::size_t index) {
    // Periodic guidance lamps play 100 ms steps like success and failure.
    list.Add(kGuidanceLampKeyIds[index], LampCode(settings.lamps.guidance[index], false));
}

std::vector<int> SoundNumbers(const MiniSettings& settings) {
    // The image holds the distinct paths in slot order, exactly as packing takes them.
    return SoundKeyValues(settings.soundPaths, DistinctSoundPaths(settings.soundPaths));
}

void AddSetSounds(MiniKeyValueList& list, const std::vector<int>& numbers, std::size_t set) {
    for (std::size_t i = 0; i < kSoundSlotsPerSet; ++i) {
        std::size_t slot = set * kSoundSlotsPerSet + i;
        list.Add(kMiniSoundKeyIds[slot], std::to_string(numbers[slot]));
    }
}

// The terminal page in the order rslt, fchg, tlog, pow, isc, rtcc. A write sends the code as
// typed and only when there is one; a file always has the line, the code packed so that it does
// not read as plain digits.
void AddTerminalSettings(MiniKeyValueList& list, const MiniTerminalSettings& terminal,
                         bool forFile) {
    for (auto& [keyId, value] : EncodeMiniTerminalSettings(terminal)) {
        if (keyId == ids::kKeyIsc) {
            if (!forFile) {
                list.Add(keyId, TransferEscape(value));
            }
            continue;
        }
        if (keyId == ids::kKeyRtcc && forFile) {
            std::string packed = PackAuthCode(terminal.authCode);
            // Base64 breaks long texts into lines; a file value must stay on its line.
            std::erase(packed, '\n');
            list.Add(ids::kKeyIsc, std::move(packed));
        }
        list.Add(keyId, std::move(value));
    }
}

}  // namespace

std::vector<MiniKeyValue> MiniWriteValues(const MiniSettings& settings) {
    MiniKeyValueList list;
    AddTerminalSettings(list, settings.terminal, false);
    std::vector<int> soundNumbers = SoundNumbers(settings);
    for (std::size_t set = 0; set < kMiniSetKeys.size(); ++set) {
        AddMiniSetWriteValues(list, settings.sets[set], set);
        // Without registration no sound key is sent: the keys would point at entries of an
        // image that the terminal may not hold.
        if (settings.registerSounds) {
            AddSetSounds(list, soundNumbers, set);
        }
        AddSetLamps(list, settings, set);
    }
    list.Add(ids::kKeyPnt, GuidanceUseValue(settings.guidance));
    list.Add(ids::kKeyPntT, GuidanceTimesValue(settings.guidance));
    for (std::size_t i = 0; i < kGuidanceLampKeyIds.size(); ++i) {
        AddGuidanceLamp(list, settings, i);
    }
    return list.Take();
}

std::vector<MiniKeyValue> MiniFileValues(const MiniSettings& settings) {
    MiniKeyValueList list;
    for (std::size_t set = 0; set < kMiniSetKeys.size(); ++set) {
        AddMiniSetFileRecords(list, settings.sets[set], set);
    }
    for (std::size_t set = 0; set < kMiniSetKeys.size(); ++set) {
        list.Add(kMiniSetKeys[set].que, FormatQueryFlags(BuildQueryFlags(settings.sets[set])));
    }
    std::vector<int> soundNumbers = SoundNumbers(settings);
    for (std::size_t set = 0; set < kMiniSetKeys.size(); ++set) {
        AddSetSounds(list, soundNumbers, set);
    }
    // Lamps by set, each power state's guidance lamp after its idle lamp.
    for (std::size_t set = 0; set < 2; ++set) {
        for (std::size_t row = 0; row < kLampRowsPerSet; ++row) {
            list.Add(kMiniSetLampKeyIds[set][row],
                     LampCode(settings.lamps.sets[set][row], IsIdleLampRow(row)));
            if (IsIdleLampRow(row)) {
                AddGuidanceLamp(list, settings, set * 2 + (row == 2 ? 0 : 1));
            }
        }
    }
    list.Add(ids::kKeyPnt, GuidanceUseValue(settings.guidance));
    list.Add(ids::kKeyPntT, GuidanceTimesValue(settings.guidance));
    AddTerminalSettings(list, settings.terminal, true);
    const std::span<const int> pathKeyIds = MiniEdition::SoundPathKeyIds();
    for (std::size_t slot = 0; slot < kMiniSoundSlots; ++slot) {
        list.Add(pathKeyIds[slot], settings.soundPaths[slot]);
    }
    list.Add(ids::kKeySoundRegist, settings.registerSounds ? "1" : "0");
    return list.Take();
}

}  // namespace morvik
