#pragma once
// What the MiniSx easy window (かんたん設定) and service window (サービス設定) hand to their
// write session. They hold the same fields as the Mini/MiniS windows (MiniQuickSettings, checked
// by ValidateMiniQuick with the same limits); the browser launch entered there serves the basic
// settings, the smartphone settings and the NFC smartphones alike.
//
//   MiniSXQuickPlan plan = BuildMiniSXQuickPlan(quick, ProgramFolder());
//   if (!plan.problem.empty()) ...                // standard sounds missing
//   CMiniSXEasyWriteSession session(terminal, plan, setClock);

#include <filesystem>
#include <string>
#include <vector>

#include "model/MiniSxAdditions.h"
#include "sessions/MiniQuickWrite.h"

namespace morvik {

struct MiniSXQuickPlan {
    // Why nothing may be sent (907 or 116 when the standard sounds cannot be packed); empty
    // when the plan can be written.
    std::string problem;
    bool upload = false;
    SoundImage image;
    // In the order they are sent: psA1, psB1, psA2, psB2, que1, que2, the six sound keys (none
    // when the sounds stay as they are), the eight lamp keys of the preset (none when the lamps
    // stay), fchg, nfc.
    std::vector<MiniKeyValue> values;
    // The NDEF write that follows: browser launch to the window's URL, no query from the easy
    // window, an encrypted one from the service window.
    MiniSXNfcSettings nfc;
};

// The plan of a write; programFolder is where the "wav" folder of the standard sounds lies.
//
// Every group of both sets gets the same browser record, so the setting switch is written as 0:
// おサイフケータイ smartphones then use the basic settings, which is the same launch, whatever
// smartphone variant the terminal holds (a KelTouch variant would otherwise take them away from
// the browser). NFC smartphones get the browser launch.
MiniSXQuickPlan BuildMiniSXQuickPlan(const MiniQuickSettings& quick,
                                     const std::filesystem::path& programFolder);

}  // namespace morvik
