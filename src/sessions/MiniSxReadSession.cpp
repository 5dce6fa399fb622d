#include "sessions/MiniSxReadSession.h"

#include "files/MiniSxSettingsFile.h"
#include "files/SettingsFile.h"
#include "model/Utf8Path.h"
#include "protocol/ReplyCheck.h"
#include "res/StringIds.h"
#include "res/Strings.h"
#include "sessions/MiniExchange.h"
#include "sessions/MiniReadSession.h"
#include "sessions/MiniSxExchange.h"

namespace morvik {

namespace ids = res::ids;

CMiniSXReadSession::CMiniSXReadSession(CTerminal& terminal, bool openSession,
                                       const MiniSXSettings& settings)
    : terminal_(&terminal), openSession_(openSession), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

CMiniSXReadSession::CMiniSXReadSession(std::string filePath, const MiniSXSettings& settings)
    : filePath_(std::move(filePath)), settings_(settings) {
    SetMaximum(kMiniReadRange);
}

CMiniSXReadSession::~CMiniSXReadSession() {
    Join();
}

bool CMiniSXReadSession::ReadFile(MiniValues& values) {
    SettingsFileText file =
        ReadSettingsFileText(PathFromUtf8(filePath_), kMiniFamilySettingsFileMaxSize);
    if (!file.ok) {
        Fail(file.message);
        return false;
    }
    // The header may stand anywhere in the file; a Mini/MiniS file has another one.
    if (!IsMiniSXSettingsText(file.text)) {
        Fail(res::TextCp932(ids::kSettingsFileInvalid));
        return false;
    }
    values = MiniSXSettingsFileValues(file.text);
    SetPosition(Maximum());
    return true;
}

bool CMiniSXReadSession::ReadTerminal(MiniValues& values) {
    for (int keyId : MiniSXReadKeyIds()) {
        if (CancelRequested()) {
            Fail({});
            return false;
        }
        const std::string& key = res::TextCp932(keyId);
        // The NDEF record is no parameter: the terminal answers its text to "ndef g u".
        std::string value = keyId == MiniSXNdefKeyId() ? MiniSXGetNdefText(*terminal_)
                                                       : MiniGetValue(*terminal_, key);
        if (ReplyCheck(value) != kReplyOk) {
            Fail(res::TextCp932(ids::kReadFailed));
            return false;
        }
        values.insert_or_assign(key, std::move(value));
        Advance();
    }
    return true;
}

void CMiniSXReadSession::Conclude(MiniValueSource source, const MiniValues& values) {
    const MiniReadResult result = ReadMiniSXSettings(values, source, settings_);
    if (result.Failed()) {
        Fail(result.error);
        return;
    }
    loaded_ = true;
    warnings_ = result.warnings;
    SetPosition(Maximum());
    if (!warnings_.empty()) {
        AppendError(MessageLines(warnings_));
        FailWithWarnings();
        return;
    }
    Complete();
}

void CMiniSXReadSession::Run() {
    SetTitle(ids::kReadingCaption);
    SetPosition(0);
    MiniValues values;
    if (FromFile()) {
        if (ReadFile(values)) {
            Conclude(MiniValueSource::File, values);
        }
        return;
    }

    if (openSession_) {
        if (!terminal_->IsConnected() && !terminal_->Connect(true)) {
            Fail(terminal_->OpenFailureText());
            return;
        }
        if (!terminal_->ProbeSession()) {
            Fail(res::TextCp932(ids::kConnectFailed));
            return;
        }
    }
    const bool read = ReadTerminal(values);
    // The terminal leaves command mode whatever became of the read, before the outcome is
    // signalled, so the caller may close the port as soon as it sees the end.
    terminal_->SendReboot();
    if (read) {
        Conclude(MiniValueSource::Terminal, values);
    }
}

}  // namespace morvik
