#pragma once
// What the MiniSx easy window (かんたん設定) and service window (サービス設定) hand to their
// write session. They hold the same fields as the Mini/MiniS windows (MiniQuickSettings, checked
// by ValidateMiniQuick with the same limits); the browser launch entered there serves the basic
// settings, the smartphone settings and the NFC smartphones alike.
//
//   MiniQuickPlan plan = BuildMiniSxQuickPlan(quick, ProgramFolder());
//   if (!plan.problem.empty()) ...                // standard sounds missing
//   CMiniFamilyEasyWriteSession session(terminal, plan, setClock);

#include <filesystem>
#include <string>
#include <vector>

#include "model/MiniSxAdditions.h"
#include "sessions/MiniQuickWrite.h"

namespace morvik {

// The plan of a write; programFolder is where the "wav" folder of the standard sounds lies. After
// the values of every edition's plan (MiniFamilyQuickPlan: the six sound keys, the eight lamp
// keys) come fchg and nfc, and the NDEF write follows: browser launch to the window's URL, no
// query from the easy window, an encrypted one from the service window.
//
// Every group of both sets gets the same browser record, so the setting switch is written as 0:
// おサイフケータイ smartphones then use the basic settings, which is the same launch, whatever
// smartphone variant the terminal holds (a KelTouch variant would otherwise take them away from
// the browser). NFC smartphones get the browser launch.
MiniQuickPlan BuildMiniSxQuickPlan(const MiniQuickSettings& quick,
                                   const std::filesystem::path& programFolder);

}  // namespace morvik
