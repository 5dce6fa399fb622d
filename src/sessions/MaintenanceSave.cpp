#include "sessions/MaintenanceSave.h"

#include "link/PartialFile.h"
#include "model/Pack.h"
#include "model/TextExtract.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// Progress ranges: the Mini family counts one step per listed parameter (about forty), a Slim
// one per fixed name, then one for the log and one for the file.
constexpr int kMiniFamilyRange = 40;
constexpr int kSlimRange = 8;
// A longer list is a damaged reply; the names after these are not asked for.
constexpr std::size_t kMaxNames = 255;

const std::string& T(int id) {
    return res::TextCp932(id);
}

const std::string kLineEnd = "\r\n";

}  // namespace

std::vector<std::string> ParameterNames(const std::string& reply) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < reply.size() && names.size() < kMaxNames) {
        std::size_t end = reply.find(kLineEnd, start);
        if (end == std::string::npos) {
            end = reply.size();
        }
        std::string name = TrimRight(reply.substr(start, end - start), "\r\n %");
        const std::size_t first = name.find_first_not_of(" \r\n");
        if (first != std::string::npos) {
            names.push_back(name.substr(first));
        }
        start = end + kLineEnd.size();
    }
    return names;
}

const std::vector<std::string>& SlimMaintenanceNames() {
    static const std::vector<std::string> names = {
        T(ids::kKeyFunc), T(ids::kKeyPsh1), T(ids::kKeyPsh2), T(ids::kKeyQue), T(ids::kKeyDisp)};
    return names;
}

CMaintenanceWorker::CMaintenanceWorker(CTerminal& terminal, std::string path)
    : terminal_(terminal), path_(std::move(path)) {
    SetMaximum(kMiniFamilyRange);
}

CMaintenanceWorker::~CMaintenanceWorker() {
    Join();
}

void CMaintenanceWorker::Run() {
    SetPosition(0);
    // A target that cannot be saved (a device, a folder, a file that may not be written) is
    // refused before the terminal is asked anything.
    PartialFile file;
    if (!file.Create(path_)) {
        terminal_.Reporter().ShowError(T(ids::kFileOpenFailed));
        Finish(MaintenanceOutcome::kFileFailed);
        return;
    }
    if (!terminal_.Connect(false)) {
        Finish(MaintenanceOutcome::kNoConnection);
        return;
    }
    if (!terminal_.OpenSession()) {
        terminal_.Disconnect();
        Finish(MaintenanceOutcome::kNoConnection);
        return;
    }
    const EditionCode edition = terminal_.DetectEdition(true);
    edition_.store(edition, std::memory_order_release);
    const bool miniFamily = edition != kEditionSlim;
    SetMaximum(miniFamily ? kMiniFamilyRange : kSlimRange);

    MaintenanceOutcome outcome = MaintenanceOutcome::kRunning;
    std::string text;
    if (edition == kEditionNone) {
        // "ver" brought no answer an edition could be told from.
        outcome = MaintenanceOutcome::kTimeout;
    } else if (!Gather(text)) {
        outcome = stop_;
    } else if (!file.Append(Pack(text)) || !file.Commit()) {
        terminal_.Reporter().ShowError(T(ids::kFileOpenFailed));
        outcome = MaintenanceOutcome::kFileFailed;
    } else {
        Advance();
        outcome = MaintenanceOutcome::kSaved;
    }
    file.Discard();  // a save that stopped early leaves no part of the file

    if (miniFamily) {
        // Asking puts a Mini-family terminal in settings mode; it goes back by a restart.
        terminal_.SendReboot();
    }
    terminal_.Disconnect();
    Finish(outcome);
}

bool CMaintenanceWorker::Gather(std::string& text) {
    const bool miniFamily = Edition() != kEditionSlim;
    const std::string& separator = T(ids::kMaintenanceSeparator);
    const std::string& subSeparator = T(ids::kMaintenanceSubSeparator);

    text = separator + kLineEnd;
    std::optional<std::string> reply = Ask(T(ids::kCmdVer));
    if (!reply) {
        return false;
    }
    text += *reply + separator + kLineEnd;
    SetPosition(0);

    if (miniFamily) {
        for (int command : {ids::kCmdTcnt, ids::kCmdRtcGet}) {
            reply = Ask(T(command));
            if (!reply) {
                return false;
            }
            text += T(command) + " " + *reply + subSeparator + kLineEnd;
        }
    }
    if (!GatherParameters(text, miniFamily)) {
        return false;
    }
    reply = Ask(T(ids::kCmdLget));
    if (!reply) {
        return false;
    }
    text += separator + kLineEnd + *reply;
    Advance();
    return !Stopped();
}

bool CMaintenanceWorker::GatherParameters(std::string& text, bool miniFamily) {
    std::vector<std::string> names;
    if (miniFamily) {
        std::optional<std::string> list = Ask(T(ids::kCmdPget));
        if (!list) {
            return false;
        }
        names = ParameterNames(*list);
    } else {
        names = SlimMaintenanceNames();
    }
    for (const std::string& name : names) {
        std::optional<std::string> value = Ask(T(ids::kCmdPget) + " " + name);
        if (!value) {
            return false;
        }
        text += name + " " + *value;
        Advance();
    }
    return true;
}

std::optional<std::string> CMaintenanceWorker::Ask(const std::string& command) {
    if (Stopped()) {
        return std::nullopt;
    }
    // Quiet: a terminal that stops answering is told by the dialog's status, not by a box.
    const std::string reply = terminal_.Exchange(command, true);
    switch (ReplyCheck(reply)) {
        case kReplyOk:
            break;
        case kReplyNoReply:
            stop_ = MaintenanceOutcome::kTimeout;
            return std::nullopt;
        default:
            // A refusal ends the save as the operator's cancel does.
            stop_ = MaintenanceOutcome::kCancelled;
            return std::nullopt;
    }
    std::string cleaned = TrimRight(reply, "%");
    if (cleaned.size() < kLineEnd.size() ||
        cleaned.compare(cleaned.size() - kLineEnd.size(), kLineEnd.size(), kLineEnd) != 0) {
        cleaned += kLineEnd;
    }
    return cleaned;
}

bool CMaintenanceWorker::Stopped() {
    if (stop_ == MaintenanceOutcome::kRunning && CancelRequested()) {
        stop_ = MaintenanceOutcome::kCancelled;
    }
    return stop_ != MaintenanceOutcome::kRunning;
}

void CMaintenanceWorker::Finish(MaintenanceOutcome outcome) {
    outcome_.store(outcome, std::memory_order_release);
    if (outcome == MaintenanceOutcome::kSaved) {
        Complete();
    } else {
        Fail(std::string());
    }
}

}  // namespace morvik
