#include "sessions/MiniWriteSession.h"

#include "model/SoundImage.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

// The bar moves twice per sound while the image travels.
constexpr int kStepsPerSound = 2;

std::string PackFailureText(SoundStatus status) {
    switch (status) {
        case SoundStatus::CannotOpen:
        case SoundStatus::SizeUnknown:
            return res::TextCp932(res::ids::kFileOpenFailed);
        case SoundStatus::TooLarge:
            return SoundSizeLimitMessage();
        default:
            return res::TextCp932(res::ids::kSoundFileInvalid);
    }
}

}  // namespace

CMiniWriteSession::CMiniWriteSession(CTerminal& terminal, const MiniSettings& settings,
                                     bool setClock)
    : CMiniWriteFrame(terminal, setClock), settings_(settings) {}

CMiniWriteSession::~CMiniWriteSession() {
    Join();
}

bool CMiniWriteSession::RegisterSounds() {
    if (const std::vector<std::string> problems = CheckMiniSounds(settings_); !problems.empty()) {
        Fail(problems.front());
        return false;
    }
    SoundPackResult packed = PackSounds(settings_.soundPaths);
    if (packed.status != SoundStatus::Ok) {
        // A file changed between the check and the packing.
        Fail(PackFailureText(packed.status));
        return false;
    }
    const int sounds = packed.image.entries;
    soundCount_.store(sounds, std::memory_order_release);
    SetMaximum(Maximum() + kStepsPerSound * sounds);
    return UploadImage(packed.image.bytes, kStepsPerSound * sounds);
}

void CMiniWriteSession::Run() {
    SetTitle(res::ids::kWritingCaption);
    SetPosition(0);
    if (!CheckTerminalEdition(Terminal(), kEditionMini)) {
        return;
    }
    if (settings_.registerSounds && !RegisterSounds()) {
        return;
    }
    // The sound keys are among these only with registration, numbered as the image was packed.
    const std::vector<MiniKeyValue> values = MiniWriteValues(settings_);
    if (!SendValues(values)) {
        return;
    }
    FinishWrite();
}

}  // namespace morvik
