#include "model/MiniSxEditorRules.h"

#include "res/StringIds.h"

namespace morvik {

int MiniSxSoundNoteId(const MiniSxSettings& settings) {
    return settings.registerSounds ? res::ids::kSoundWillRegisterNote
                                   : res::ids::kSoundNotRegisteredNote;
}

PageCounter CountNfcUrl(const MiniSxNfcSettings& nfc) {
    const int used = static_cast<int>(nfc.url.size());
    return PageCounter{used, kNfcUrlLimit, used > kNfcUrlLimit};
}

bool MiniSxWriteButtonsEnabled(const MiniSxSettings& settings) {
    return SetsWithinLimits(settings.sets) && !CountNfcUrl(settings.nfc).over;
}

bool NfcBrowserSettingsShown(int mode) {
    return mode == kNfcModeBrowser;
}

bool SmartphonePageShown(SmartphoneChoice choice) {
    return choice == SmartphoneChoice::SmartphoneSettings;
}

int MiniSxRowGroupTitleId(MiniSxRowGroup group) {
    switch (group) {
        case MiniSxRowGroup::Function:
            return res::ids::kFunctionExecution;
        case MiniSxRowGroup::KelTouch:
            return res::ids::kKelTouch;
        default:
            return res::ids::kRowIdle;
    }
}

}  // namespace morvik
