#include "sessions/MiniFamilyEasyWriteSession.h"

#include "res/StringIds.h"

namespace morvik {

CMiniFamilyEasyWriteSession::CMiniFamilyEasyWriteSession(CTerminal& terminal, MiniQuickPlan plan,
                                                         bool setClock)
    : CMiniWriteFrame(terminal, setClock), plan_(std::move(plan)) {}

CMiniFamilyEasyWriteSession::~CMiniFamilyEasyWriteSession() {
    Join();
}

void CMiniFamilyEasyWriteSession::Run() {
    SetTitle(res::ids::kWritingCaption);
    SetPosition(0);
    // The standard image is small; the bar of these windows counts the parameters only.
    if (plan_.upload && !UploadImage(plan_.image.bytes, 0)) {
        return;
    }
    if (!SendValues(plan_.values) || (plan_.ndef && !SendNdefWrite(*plan_.ndef))) {
        return;
    }
    FinishWrite();
}

}  // namespace morvik
