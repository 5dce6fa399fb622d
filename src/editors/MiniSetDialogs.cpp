#include "editors/MiniSetDialogs.h"

#include "editors/CAttractLampDlg.h"
#include "editors/CLampDlg.h"
#include "editors/CSoundDlg.h"

namespace morvik {

bool RunSetLampDialog(QWidget* parent, IWindowHost& host, int setIndex, MiniSettings& settings,
                      MiniLampChoices& choices) {
    if (setIndex != 0 && setIndex != 1) {
        return false;
    }
    const auto set = static_cast<std::size_t>(setIndex);
    CLampDlg dialog(parent, host, setIndex, settings.lamps.sets[set], choices.sets[set]);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings.lamps.sets[set] = dialog.Patterns();
    choices.sets[set] = dialog.Choices();
    return true;
}

bool RunGuidanceLampDialog(QWidget* parent, IWindowHost& host, MiniSettings& settings,
                           MiniLampChoices& choices) {
    CAttractLampDlg dialog(parent, host, settings.lamps.guidance, choices.guidance);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings.lamps.guidance = dialog.Patterns();
    choices.guidance = dialog.Choices();
    return true;
}

bool RunSoundDialog(QWidget* parent, IWindowHost& host, SoundDialogMode mode,
                    MiniSettings& settings) {
    CSoundDlg dialog(parent, host, mode, settings.soundPaths, settings.registerSounds);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    settings.soundPaths = dialog.Paths();
    settings.registerSounds = dialog.RegisterSounds();
    return true;
}

}  // namespace morvik
