#include "model/MiniSxEditorRules.h"

#include "res/StringIds.h"

namespace morvik {

int MiniSXSoundNoteId(const MiniSXSettings& settings) {
    return settings.registerSounds ? res::ids::kSoundWillRegisterNote
                                   : res::ids::kSoundNotRegisteredNote;
}

PageCounter CountNfcUrl(const MiniSXNfcSettings& nfc) {
    const int used = static_cast<int>(nfc.url.size());
    return PageCounter{used, kNfcUrlLimit, used > kNfcUrlLimit};
}

bool MiniSXWriteButtonsEnabled(const MiniSXSettings& settings) {
    return SetsWithinLimits(settings.sets) && !CountNfcUrl(settings.nfc).over;
}

bool NfcBrowserSettingsShown(int mode) {
    return mode == kNfcModeBrowser;
}

bool SmartphonePageShown(SmartphoneChoice choice) {
    return choice == SmartphoneChoice::SmartphoneSettings;
}

int MiniSXRowGroupTitleId(MiniSXRowGroup group) {
    switch (group) {
        case MiniSXRowGroup::Function:
            return res::ids::kFunctionExecution;
        case MiniSXRowGroup::KelTouch:
            return res::ids::kKelTouch;
        default:
            return res::ids::kRowIdle;
    }
}

}  // namespace morvik
