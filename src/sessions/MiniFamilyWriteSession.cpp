#include "sessions/MiniFamilyWriteSession.h"

#include <type_traits>

#include "model/SoundImage.h"
#include "res/StringIds.h"

namespace morvik {
namespace {

// The bar moves twice per sound while the image travels.
constexpr int kStepsPerSound = 2;

}  // namespace

template <class Edition>
CMiniFamilyWriteSession<Edition>::CMiniFamilyWriteSession(CTerminal& terminal,
                                                          const SettingsType& settings,
                                                          bool setClock)
    : CMiniWriteFrame(terminal, setClock), settings_(settings) {}

template <class Edition>
CMiniFamilyWriteSession<Edition>::~CMiniFamilyWriteSession() {
    Join();
}

template <class Edition>
bool CMiniFamilyWriteSession<Edition>::RegisterSounds() {
    if (const std::vector<std::string> problems = Edition::CheckSounds(settings_);
        !problems.empty()) {
        Fail(problems.front());
        return false;
    }
    SoundPackResult packed = PackSounds(settings_.soundPaths);
    if (packed.status != SoundStatus::Ok) {
        // A file changed between the check and the packing.
        Fail(SoundFailureText(packed.status));
        return false;
    }
    const int sounds = packed.image.entries;
    soundCount_.store(sounds, std::memory_order_release);
    SetMaximum(Maximum() + kStepsPerSound * sounds);
    return UploadImage(packed.image.bytes, kStepsPerSound * sounds);
}

template <class Edition>
void CMiniFamilyWriteSession<Edition>::Run() {
    constexpr EditionCode kEdition =
        std::is_same_v<Edition, MiniSxEdition> ? kEditionMiniSx : kEditionMini;
    SetTitle(res::ids::kWritingCaption);
    SetPosition(0);
    if (!CheckTerminalEdition(Terminal(), kEdition)) {
        return;
    }
    if (settings_.registerSounds && !RegisterSounds()) {
        return;
    }
    // The sound keys are among these only with registration, numbered as the image was packed.
    if (!SendValues(Edition::WriteValues(settings_))) {
        return;
    }
    if (const MiniSxNfcSettings* ndef = Edition::NdefRecord(settings_);
        ndef != nullptr && !SendNdefWrite(*ndef)) {
        return;
    }
    FinishWrite();
}

template class CMiniFamilyWriteSession<MiniEdition>;
template class CMiniFamilyWriteSession<MiniSxEdition>;

}  // namespace morvik
