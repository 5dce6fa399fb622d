#include "sessions/MiniEasyWriteSession.h"

#include "res/StringIds.h"

namespace morvik {

CMiniEasyWriteSession::CMiniEasyWriteSession(CTerminal& terminal, MiniQuickPlan plan, bool setClock)
    : CMiniWriteFrame(terminal, setClock), plan_(std::move(plan)) {}

CMiniEasyWriteSession::~CMiniEasyWriteSession() {
    Join();
}

void CMiniEasyWriteSession::Run() {
    SetTitle(res::ids::kWritingCaption);
    SetPosition(0);
    if (!CheckTerminalEdition(Terminal(), kEditionMini)) {
        return;
    }
    // The standard image is small; the bar of these windows counts the parameters only.
    if (plan_.upload && !UploadImage(plan_.image.bytes, 0)) {
        return;
    }
    if (!SendValues(plan_.values)) {
        return;
    }
    FinishWrite();
}

}  // namespace morvik
