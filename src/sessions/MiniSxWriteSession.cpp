#include "sessions/MiniSxWriteSession.h"

#include "model/SoundImage.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// The bar moves twice per sound while the image travels.
constexpr int kStepsPerSound = 2;

}  // namespace

CMiniSXWriteSession::CMiniSXWriteSession(CTerminal& terminal, const MiniSXSettings& settings,
                                         bool setClock)
    : CMiniSXWriteFrame(terminal, setClock), settings_(settings) {}

CMiniSXWriteSession::~CMiniSXWriteSession() {
    Join();
}

bool CMiniSXWriteSession::RegisterSounds() {
    if (const std::vector<std::string> problems = CheckMiniSXSounds(settings_); !problems.empty()) {
        Fail(problems.front());
        return false;
    }
    SoundPackResult packed = PackSounds(settings_.soundPaths);
    if (packed.status != SoundStatus::Ok) {
        // A file changed between the check and the packing.
        const bool unreadable =
            packed.status == SoundStatus::CannotOpen || packed.status == SoundStatus::SizeUnknown;
        Fail(packed.status == SoundStatus::TooLarge
                 ? SoundSizeLimitMessage()
                 : res::TextCp932(unreadable ? res::ids::kFileOpenFailed
                                             : res::ids::kSoundFileInvalid));
        return false;
    }
    const int sounds = packed.image.entries;
    soundCount_.store(sounds, std::memory_order_release);
    SetMaximum(Maximum() + kStepsPerSound * sounds);
    return UploadImage(packed.image.bytes, kStepsPerSound * sounds);
}

void CMiniSXWriteSession::Run() {
    SetTitle(res::ids::kWritingCaption);
    SetPosition(0);
    if (!CheckTerminalEdition(Terminal(), kEditionMiniSx)) {
        return;
    }
    if (settings_.registerSounds && !RegisterSounds()) {
        return;
    }
    // The sound keys are among these only with registration, numbered as the image was packed.
    const std::vector<MiniKeyValue> values = MiniSXWriteValues(settings_);
    if (!SendMiniSXValues(values) || !SendNdefWrite(settings_.nfc)) {
        return;
    }
    FinishWrite();
}

}  // namespace morvik
