#pragma once
// Settings for the Mini session tests.

#include <cstdint>
#include <string>
#include <vector>

#include "model/Cp932.h"
#include "model/MiniSettings.h"

namespace morvik::test {

// A model with every kind of record, lit and dark lamps and periodic guidance in use.
inline MiniSettings SampleSettings() {
    MiniSettings m;
    m.terminal.cardDetection = 1;
    m.terminal.settingSwitch = 2;
    m.terminal.touchLog = true;
    m.terminal.operationMode = 1;  // 常にエコモード: value 3
    m.terminal.clockCheck = false;
    m.sets[0].docomo.Select(BrowserRecord{"http://a/?", ""});
    m.sets[0].other.Select(MailerRecord{"x@y", "", "s", "b c", "m"});
    // Every field spelled: GCC 12 at -O3 takes a record assigned field by field for one whose
    // short texts may be read uninitialised (-Wmaybe-uninitialized).
    m.sets[1].docomo.Select(TorucaRecord{.detailUrl = "http://t/",
                                         .categoryIcon = "1F",
                                         .data1 = "d",
                                         .data2 = "",
                                         .data3 = "",
                                         .ipId = "",
                                         .kanaId = "",
                                         .redistributionId = "",
                                         .colorId = ""});
    m.sets[1].other.Select(ApplicationRecord{"http://app/", "abc", "p q"});
    m.lamps.sets[0][0] = "11111111111";
    m.lamps.sets[0][2] = "10000100000000";
    m.lamps.sets[1][1] = "822222000002222200000";
    m.lamps.guidance[3] = "11111111111";
    m.guidance = PeriodicGuidance{true, 9, 30, 18, 0, 3};
    return m;
}

}  // namespace morvik::test
