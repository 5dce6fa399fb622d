#include "sessions/MiniSxEasyWriteSession.h"

#include "res/StringIds.h"

namespace morvik {

CMiniSXEasyWriteSession::CMiniSXEasyWriteSession(CTerminal& terminal, MiniSXQuickPlan plan,
                                                 bool setClock)
    : CMiniSXWriteFrame(terminal, setClock), plan_(std::move(plan)) {}

CMiniSXEasyWriteSession::~CMiniSXEasyWriteSession() {
    Join();
}

void CMiniSXEasyWriteSession::Run() {
    SetTitle(res::ids::kWritingCaption);
    SetPosition(0);
    if (!CheckTerminalEdition(Terminal(), kEditionMiniSx)) {
        return;
    }
    // The standard image is small; the bar of these windows counts the parameters only.
    if (plan_.upload && !UploadImage(plan_.image.bytes, 0)) {
        return;
    }
    if (!SendMiniSXValues(plan_.values) || !SendNdefWrite(plan_.nfc)) {
        return;
    }
    FinishWrite();
}

}  // namespace morvik
