#pragma once
// What a Mini-family terminal gives back of settings written to it: each Toruca record with the
// identifiers it was written with (the terminal's defaults where the page left them empty), and
// the sound list of soundsOf (a terminal keeps no sound file names; none by default).

#include "model/Cp932.h"
#include "model/FunctionRecord.h"

namespace morvik::test {

template <class Settings>
Settings AfterTerminal(Settings m, const Settings& soundsOf = Settings{}) {
    for (auto& set : m.sets) {
        TorucaRecord& t = set.docomo.toruca;
        if (set.docomo.selected == RecordKind::Toruca) {
            t.kanaId = t.kanaId.empty() ? Utf8ToCp932Lossy("アア") : t.kanaId;
            t.redistributionId = t.redistributionId.empty() ? "4" : t.redistributionId;
            t.colorId = t.colorId.empty() ? "1" : t.colorId;
        }
    }
    m.soundPaths = soundsOf.soundPaths;
    m.registerSounds = soundsOf.registerSounds;
    return m;
}

}  // namespace morvik::test
