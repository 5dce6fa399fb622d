#include "editors/SoundOkBoxes.h"

#include "app/IWindowHost.h"
#include "app/QtText.h"
#include "model/SoundDialogCheck.h"

namespace morvik {
namespace {

QMessageBox::Icon IconOf(SoundDialogStep::Kind kind) {
    switch (kind) {
        case SoundDialogStep::Kind::Error:
            return QMessageBox::Warning;
        case SoundDialogStep::Kind::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::Information;
    }
}

}  // namespace

bool ConfirmSoundOk(IWindowHost& host, QWidget* owner, std::span<const std::string> paths,
                    bool registerSounds) {
    for (const SoundDialogStep& step : SoundDialogOkSteps(paths, registerSounds)) {
        const bool question = step.kind == SoundDialogStep::Kind::Question;
        const auto answer = host.MessageBox(
            owner, Tr(step.captionId), FromCp932(step.text), IconOf(step.kind),
            question ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, true);
        if (step.kind == SoundDialogStep::Kind::Error || (question && answer != QMessageBox::Ok)) {
            return false;
        }
    }
    return true;
}

}  // namespace morvik
