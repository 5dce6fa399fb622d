#pragma once
// OK of a sound window (Mini/MiniS or MiniSx): the boxes of SoundDialogOkSteps shown in order.
// True when the window may store its entries and close; false after an error or a question
// answered Cancel (the window stays open with every entry as it was).

#include <span>
#include <string>

class QWidget;

namespace morvik {

class IWindowHost;

bool ConfirmSoundOk(IWindowHost& host, QWidget* owner, std::span<const std::string> paths,
                    bool registerSounds);

}  // namespace morvik
