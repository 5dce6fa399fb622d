#include "sessions/SlimReadSession.h"

#include "files/SlimSettingsFile.h"
#include "model/SlimCatalogue.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/SlimExchange.h"

namespace morvik {
namespace {

namespace ids = res::ids;

// Position after all five values have been fetched.
constexpr int kValuesFetched = 5;

}  // namespace

std::optional<SlimDecoded> DecodeSlimRead(const SlimSettings& values) {
    for (SlimKey key : SlimReadOrder()) {
        if (ReplyCheck(SlimValueOf(values, key)) != kReplyOk) {
            return std::nullopt;
        }
    }
    return DecodeSlimSettings(values);
}

CSlimReadSession::CSlimReadSession(CTerminal& terminal) : terminal_(&terminal) {
    SetMaximum(kSlimSessionRange);
}

CSlimReadSession::CSlimReadSession(std::string filePath) : filePath_(std::move(filePath)) {
    SetMaximum(kSlimSessionRange);
}

CSlimReadSession::CSlimReadSession(SlimFileText file) : file_(std::move(file)) {
    SetMaximum(kSlimSessionRange);
}

CSlimReadSession::~CSlimReadSession() {
    Join();
}

bool CSlimReadSession::ReadFile() {
    SlimFileText file = file_ ? std::move(*file_) : ReadSlimSettingsFile(filePath_);
    switch (file.status) {
        case SlimFileStatus::Ok:
            fileText_ = std::move(file.text);
            return true;
        case SlimFileStatus::OpenFailed:
            Fail(res::TextCp932(ids::kFileOpenFailed));
            return false;
        case SlimFileStatus::TooLarge:
        case SlimFileStatus::NoHeader:
            Fail(std::string());
            return false;
    }
    return false;
}

std::string CSlimReadSession::GetValue(SlimKey key) const {
    if (FromFile()) {
        return SlimFileValue(fileText_, key);
    }
    return SlimGetValue(*terminal_, key);
}

void CSlimReadSession::Run() {
    SetPosition(0);
    SetTitle(ids::kReadingCaption);
    if (FromFile() && !ReadFile()) {
        return;
    }

    const std::vector<SlimKey>& order = SlimReadOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        SlimValueOf(values_, order[i]) = GetValue(order[i]);
        SetPosition(static_cast<int>(i));
    }
    SetPosition(kValuesFetched);

    std::optional<SlimDecoded> read = DecodeSlimRead(values_);
    if (!read) {
        Fail(res::TextCp932(ids::kReadFailed));
        return;
    }
    SlimDecoded& decoded = *read;
    if (FromFile() && !decoded.messages.empty()) {
        // A file is taken whole or not at all.
        Fail(std::string());
        return;
    }
    state_ = std::move(decoded.state);
    loaded_ = true;
    SetPosition(kSlimSessionRange);

    if (decoded.messages.empty()) {
        Complete();
        return;
    }
    for (const std::string& message : decoded.messages) {
        AppendError(message + "\r\n");
    }
    FailWithWarnings();
}

}  // namespace morvik
