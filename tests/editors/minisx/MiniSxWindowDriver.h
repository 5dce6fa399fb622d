#pragma once
// Driving the MiniSx detailed window as an operator does, on a simulated MiniSx seeded with
// settings that use every page: smartphone settings chosen, NFC browser launch with a query.

#include <string>
#include <vector>

#include "model/MiniSxSettings.h"

namespace morvik {
class CMVKAppDlg;
class CMiniSXCustomDlg;
}  // namespace morvik

namespace morvik::test {

// Set 1 browser and mailer, set 2 Toruca and application (as the Mini tests seed them), the
// smartphone settings chosen, NFC browser launch with an unencrypted query, the time check on
// and three lamps.
MiniSxSettings EveryMiniSxPage();

// The simulator's arguments that make it hold what a write of settings would leave.
std::vector<std::string> MiniSxSeedArgs(const MiniSxSettings& settings);

// 機器設定の変更 → 詳細設定 on the main window; the MiniSx window once its read is over.
CMiniSXCustomDlg* OpenMiniSxDetailed(CMVKAppDlg& window);

}  // namespace morvik::test
