#pragma once
// What the easy window (かんたん設定) and the service window (サービス設定) of a Mini-family
// terminal hand to their write session: one browser launch for every group of both sets, a sound
// choice and a lamp choice. The service window appends an encrypted query for both groups and
// has smaller limits so that the query fits. The fields and their checks are the same for every
// edition; the plan of a MiniSx adds its own keys and the NDEF write (MiniSxQuickWrite.h).
//
//   MiniQuickSettings quick{.window = QuickWindow::Easy, .url = ..., .message = ...};
//   std::vector<std::string> problems = ValidateMiniQuick(quick);   // shown together
//   MiniQuickPlan plan = BuildMiniQuickPlan(quick, ProgramFolder());
//   if (!plan.problem.empty()) ...                                  // standard sounds missing
//   CMiniFamilyEasyWriteSession session(terminal, plan, setClock);
//
// Every text is code page 932, as typed (not escaped).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/LampPresets.h"
#include "model/MiniSettings.h"
#include "model/MiniSxAdditions.h"
#include "model/SoundImage.h"
#include "model/SoundSlots.h"
#include "protocol/Edition.h"

namespace morvik {

enum class QuickWindow { Easy, Service };

struct MiniQuickSettings {
    QuickWindow window = QuickWindow::Easy;
    std::string url;
    std::string message;  // may hold CR LF
    SoundChoice sound = SoundChoice::Unchanged;
    LampPreset lamp = LampPreset::Unchanged;
};

// Byte limits of a window: the URL field, the message field and the two together.
struct QuickLimits {
    int url;
    int message;
    int total;
};
QuickLimits MiniQuickLimits(QuickWindow window);

// The window's messages before a write, in the browser page's order (URL empty, URL characters,
// URL length, message characters, message length, total), each with the window's own limit.
// No query ending is asked for: the terminal appends the service query after whatever the URL
// ends with. Empty when the write may start.
std::vector<std::string> ValidateMiniQuick(const MiniQuickSettings& quick);

// The query flags both sets get: none for the easy window, append and encrypt for both groups
// in the service window.
int MiniQuickQueryFlags(QuickWindow window);

struct MiniQuickPlan {
    // The edition the plan is for: the write refuses any other terminal before it sends a value.
    EditionCode edition = kEditionMini;
    // Why nothing may be sent (the message of SoundFailureText when the standard sounds cannot
    // be packed); empty when the plan can be written.
    std::string problem;
    bool upload = false;
    SoundImage image;
    // In the order they are sent: psA1, psB1, psA2, psB2, que1, que2, the sound keys (none when
    // the sounds stay as they are), the lamp keys of the preset, then the edition's own keys.
    std::vector<MiniKeyValue> values;
    // The NDEF write that follows the values (a MiniSx's plan only).
    std::optional<MiniSxNfcSettings> ndef;
};

// The plan of a Mini/MiniS write; programFolder is where the "wav" folder of the standard sounds
// lies.
MiniQuickPlan BuildMiniQuickPlan(const MiniQuickSettings& quick,
                                 const std::filesystem::path& programFolder);

// What every edition's plan holds: the standard sound image when sound.upload, the browser
// record in the four groups, both query flags, the sound keys and the lamp keys (the edition's,
// from its sound plan and lamp preset). The problem is set, and nothing else, when the sound
// plan failed.
MiniQuickPlan MiniFamilyQuickPlan(const MiniQuickSettings& quick, QuickSoundPlan sound,
                                  const std::vector<std::pair<std::string, std::string>>& lamps);

}  // namespace morvik
