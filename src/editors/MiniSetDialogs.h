#pragma once
// The modal dialogs that the Mini/MiniS detailed settings window opens from its set pages and its
// periodic guidance page: the set lamp dialog, the periodic guidance lamp dialog and the sound
// dialog. Each edits a part of the window's settings in place and leaves it untouched when the
// operator cancels.

#include <QWidget>

#include "model/LampRowChoices.h"
#include "model/MiniSettings.h"

namespace morvik {

class IWindowHost;

// Which labels of the sound dialog are drawn in bold: the set's own slots, or the four periodic
// guidance slots.
enum class SoundDialogMode { Set1, Set2, Guidance };

// The lamp dialog of set setIndex (0 or 1): edits settings.lamps.sets[setIndex] and the rows'
// selections in choices.sets[setIndex]. True when OK stored the rows.
bool RunSetLampDialog(QWidget* parent, IWindowHost& host, int setIndex, MiniSettings& settings,
                      MiniLampChoices& choices);

// The periodic guidance lamp dialog: edits settings.lamps.guidance and choices.guidance.
bool RunGuidanceLampDialog(QWidget* parent, IWindowHost& host, MiniSettings& settings,
                           MiniLampChoices& choices);

// The sound dialog on the window's sound list (settings.soundPaths, settings.registerSounds).
// True when OK stored the list; the caller then refreshes its note line.
bool RunSoundDialog(QWidget* parent, IWindowHost& host, SoundDialogMode mode,
                    MiniSettings& settings);

}  // namespace morvik
