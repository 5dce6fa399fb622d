#include "sessions/SlimWriteSession.h"

#include "model/SlimCatalogue.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "sessions/SlimExchange.h"

namespace morvik {
namespace {

// Where the bar stands once func has been set; each later setting moves it on by one.
constexpr int kAfterFunc = 2;
// Where the bar stands after the last record setting whatever the function.
constexpr int kAllSent = 5;

}  // namespace

CSlimWriteSession::CSlimWriteSession(CTerminal& terminal, const SlimEditorState& state)
    : terminal_(terminal), state_(state) {
    SetMaximum(kSlimSessionRange);
}

CSlimWriteSession::~CSlimWriteSession() {
    Join();
}

void CSlimWriteSession::Run() {
    SetMaximum(kSlimSessionRange);
    SetPosition(0);
    SetTitle(res::ids::kWritingCaption);
    if (!CheckTerminalEdition(terminal_, kEditionSlim)) {
        return;
    }

    const SlimSettings values = BuildSlimSettings(state_);
    const auto sequence = SlimWriteSequence(values, state_.function);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        const auto& [key, value] = sequence[i];
        const int outcome = ReplyCheck(SlimSetValue(terminal_, key, value));
        if (outcome != kReplyOk) {
            Fail(SlimWriteFailureText(key, outcome));
            return;
        }
        // disp leaves the bar at 1, func at 2, and so on.
        SetPosition(i == 0 ? 1 : kAfterFunc + static_cast<int>(i) - 1);
    }
    SetPosition(kAllSent);
    SetPosition(kSlimSessionRange);
    Complete();
}

}  // namespace morvik
