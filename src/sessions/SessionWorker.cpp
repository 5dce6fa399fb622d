#include "sessions/SessionWorker.h"

#include <algorithm>

#include "protocol/Identification.h"
#include "protocol/ProtocolTexts.h"
#include "protocol/ReplyCheck.h"
#include "protocol/Terminal.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {

CSessionWorker::~CSessionWorker() {
    Join();
}

void CSessionWorker::Start() {
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { Run(); });
    }
}

void CSessionWorker::RunHere() {
    Run();
}

void CSessionWorker::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void CSessionWorker::SetPosition(int position) {
    position_.store(std::min(position, Maximum()), std::memory_order_release);
}

void CSessionWorker::Fail(const std::string& cp932Text) {
    if (!cp932Text.empty()) {
        errorText_ += cp932Text;
        errorText_ += "\r\n";
    }
    failed_.store(true, std::memory_order_release);
}

void CSessionWorker::FailWithWarnings() {
    warningsOnly_.store(true, std::memory_order_release);
    failed_.store(true, std::memory_order_release);
}

bool CSessionWorker::CheckTerminalEdition(CTerminal& terminal, EditionCode edition) {
    const std::string reply = terminal.Exchange(Texts::VersionCommand(), true);
    const int outcome = ReplyCheck(reply);
    if (outcome == kReplyNoReply || outcome == kReplyError) {
        Fail(res::TextCp932(outcome == kReplyNoReply ? res::ids::kSerialTimeout
                                                     : res::ids::kWriteFailed));
        return false;
    }
    const EditionCode found = EditionFromReply(reply);
    if (found == edition) {
        return true;
    }
    // A terminal that names no edition is left as the settings' own family would be.
    terminal.LeaveAfterLooking(found != kEditionNone ? found : edition);
    terminalRefused_.store(true, std::memory_order_release);
    Fail(res::TextCp932(res::ids::kNotThisEditionsTerminal));
    return false;
}

}  // namespace morvik
